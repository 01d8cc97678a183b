#pragma once

#include "graph/GraphSeries.h"
#include "graph/ThreeDeeChart.h"

#include <QWidget>
#include <memory>

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

struct Services;

// "GraphsAll": the yearly amounts of the planner that opened it, as bars in two or three
// dimensions, printed as a picture of the window. It only reads the planner's results.
class GraphsAll : public QWidget {
    Q_OBJECT
public:
    GraphsAll(AppState& state, Services& services,
              ThreeDeeFactory threeDeeFactory = createThreeDeeChart, QWidget* parent = nullptr);
    ~GraphsAll() override;

    // Hides the caller and shows the graph of its results; closing the graph shows the
    // caller again as it was.
    static GraphsAll* openFrom(QWidget* caller, AppState& state, Services& services);

    const graph::GraphSeries& series() const { return series_; }
    int chartStyle() const { return chartStyle_; }
    int colourPrint() const { return colourPrint_; }
    // The whole form as a picture, the 3D view included, as it goes to the printer.
    QImage formImage();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildButtons();
    void placeControls();
    void drawTwoDee();
    void switchToThreeDee();
    void print();

    AppState& state_;
    Services& services_;
    ThreeDeeFactory threeDeeFactory_;
    graph::GraphSeries series_;
    int chartStyle_ = TwoDeeStyle;
    int colourPrint_ = 0; // 1: the printout keeps the screen's colours
    static constexpr int TwoDeeStyle = 3;
    static constexpr int ThreeDeeStyle = 5;

    QStackedWidget* graph1_;
    QChart* chart_;
    QChartView* chartView_;
    std::unique_ptr<ThreeDeeChart> threeDee_;
    QLabel* label1_;
    QPushButton* sav2D_;
    QPushButton* threeDeeButton_;
    QPushButton* ptr_;
    QPushButton* exitBut_;
};

} // namespace pennywell::ui
