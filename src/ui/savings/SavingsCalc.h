#pragma once

#include "core/savings/SavingsSession.h"
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
class QuickHelpToggle;

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

    void showMessage(const PlannerMessage& message);

    void clearResults();
    void calculate();
    void showGraph();
    void print(ReportDestination destination = ReportDestination::Printer);
    void openYearlyCalculator();

    AppState& state_;
    Services& services_;
    SavingsSession session_;
    std::array<QComboBox*, 7> boxes_{}; // by slot, 1 to 6
    TextGridModel* gridModel_;
    QTableView* grid_ = nullptr;
    HelpPanel* helpPanel_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* graphButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QuickHelpToggle* quickHelp_ = nullptr;
};

} // namespace pennywell::ui
