#pragma once

#include "core/graph/GraphSeries.h"

#include <QPicture>
#include <QWidget>

class QLabel;
class QPushButton;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

class BarChart;
struct Services;
enum class ReportDestination;

// "GraphsAll": the yearly amounts of the planner that opened it, as bars in two or three
// dimensions, printed as a drawing of the whole form, or saved as that page in a PDF file from
// the form's context menu. It only reads the planner's results.
class GraphsAll : public QWidget {
    Q_OBJECT
public:
    GraphsAll(AppState& state, Services& services, QWidget* parent = nullptr);
    ~GraphsAll() override;

    // Hides the caller and shows the graph of its results; closing the graph shows the
    // caller again as it was.
    static GraphsAll* openFrom(QWidget* caller, AppState& state, Services& services);

    const graph::GraphSeries& series() const { return series_; }
    int chartStyle() const { return chartStyle_; }
    int colourPrint() const { return colourPrint_; }
    // The whole form as it goes to paper: in the print style chosen, on a light page.
    QPicture formPicture();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildButtons();
    void offerPdfFromMenu();
    void placeControls();
    void drawTwoDee();
    void switchToThreeDee();
    void print(ReportDestination destination);
    QPicture stretchedPicture();

    AppState& state_;
    Services& services_;
    graph::GraphSeries series_;
    int chartStyle_ = TwoDeeStyle;
    int colourPrint_ = 0; // 1: the printout keeps the screen's colours
    static constexpr int TwoDeeStyle = 3;
    static constexpr int ThreeDeeStyle = 5;

    BarChart* graph1_;
    QLabel* label1_;
    QPushButton* sav2D_;
    QPushButton* threeDeeButton_;
    QPushButton* ptr_;
    QPushButton* exitBut_;
};

} // namespace pennywell::ui
