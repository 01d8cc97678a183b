#pragma once

#include "ui/printing/ReportPrinting.h"

#include <QWidget>
#include <array>

class QComboBox;
class QPushButton;
class QTableView;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

struct Services;
class TextGridModel;
class HelpPanel;

// "SavingsCalc": a lump sum and yearly investments projected year by year.
class SavingsCalc : public QWidget {
    Q_OBJECT
public:
    SavingsCalc(AppState& state, Services& services, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct BoxDefinition;
    QComboBox* addInputBox(const BoxDefinition& definition, int index);
    void buildInputBoxes();
    void buildGrid();
    void buildButtons();
    void attachInputBehaviour();

    QString commitValue(int slot, const QString& text);
    QString commitTerm(const QString& text);
    QString boxText(int slot, int amountWidth = 13) const;
    void showMessage(const QString& text, const QString& title);

    void clearResults();
    void calculate();
    void toggleHelp();
    void showGraph();
    void print(ReportDestination destination = ReportDestination::Printer);
    void openYearlyCalculator();

    AppState& state_;
    Services& services_;
    std::array<QComboBox*, 7> boxes_{}; // by slot, 1 to 6
    TextGridModel* gridModel_;
    QTableView* grid_ = nullptr;
    HelpPanel* helpPanel_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* graphButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

} // namespace pennywell::ui
