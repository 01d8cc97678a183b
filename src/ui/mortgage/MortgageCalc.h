#pragma once

#include "core/mortgage/MortgageSession.h"
#include "ui/printing/ReportPrinting.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

class HelpPanel;
class QuickHelpToggle;
class TextGridModel;
struct Services;

// "MortgageCalc": the mortgage planner, or the personal loan planner when opened with PlanKind 2.
// Every change of an input clears the results, so what is shown always belongs to the inputs.
class MortgageCalc : public QWidget {
    Q_OBJECT
public:
    MortgageCalc(AppState& state, Services& services, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildInputs();
    void buildResults();
    void buildButtons();
    void buildGrid();
    void attachInputBehaviour();
    void load();

    void termPicked();
    bool listKeyPressed(QWidget* next, int key, const QString& text);

    void ClearResults();
    void calculate();
    void showBoxes(const mortgage::MortgageBoxes& boxes);
    void showView(mortgage::View view);
    void toggleDates();
    void showDaysInYear();
    void showAdditionalPayments();
    void showGraphs();
    void print(ReportDestination destination = ReportDestination::Printer);
    void exitToMenu();

    AppState& state_;
    Services& services_;
    // Committed inputs (the lists are read when calculating); the additional payments, the
    // days in year and the date view live here as long as the window is open.
    mortgage::MortgageSession session_;
    bool exited_ = false;

    QLineEdit* inPrincipal_;
    QComboBox* inRate_;
    QComboBox* inTerm_;
    QComboBox* comperiod_;
    QComboBox* freqPmt_;
    QLineEdit* inMonthPI_;
    QLineEdit* numPmtsYear_;
    QLineEdit* endMortYear_;
    QLineEdit* allPayments_;
    QLineEdit* totSavd_;
    QLineEdit* periodicR_;
    QLineEdit* inDays_;
    QLabel* principalLabel_;
    QLabel* rateLabel_;
    QLabel* termLabel_;
    QLabel* totalPaidLabel_;
    QLabel* toFinalLabel_;
    QRadioButton* annual_;
    QRadioButton* all_;
    QTableView* mGrid_;
    TextGridModel* model_;
    HelpPanel* mTextBox_;
    QPushButton* mCalc_;
    QPushButton* mDateNumber_;
    QPushButton* mGraphs_;
    QPushButton* mPrinter_;
    QPushButton* mHelp_;
    QuickHelpToggle* quickHelp_;
};

} // namespace pennywell::ui
