#include "ui/mortgage/MortgageCalc.h"

#include "core/graph/GraphSeries.h"
#include "core/mortgage/MortgageTexts.h"
#include "core/state/AppState.h"
#include "ui/common/Accessibility.h"
#include "ui/common/HelpPanel.h"
#include "ui/common/Messenger.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/QuickHelpToggle.h"
#include "ui/common/Services.h"
#include "ui/common/TextGridModel.h"
#include "ui/graph/GraphsAll.h"
#include "ui/mortgage/MortDateInput.h"
#include "ui/mortgage/MortIRFTable.h"
#include "ui/mortgage/MortPrePay.h"
#include "ui/printing/ReportPrinting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace pennywell::ui {
namespace {

using namespace pennywell::mortgage;

} // namespace

MortgageCalc::MortgageCalc(AppState& state, Services& services, QWidget* parent)
    : QWidget(parent), state_(state), services_(services),
      session_(state.PlanKind == LoanPlan ? Mode::Loan : Mode::Mortgage, state.mortgage,
               state.graph, state.settings.CurrencySymbol) {
    setObjectName(QStringLiteral("MortgageCalc"));
    setAccessibleDescription(mortgage::WindowDescription);
    buildInputs();
    buildResults();
    buildButtons();
    buildGrid();
    attachInputBehaviour();
    load();
}

void MortgageCalc::load() {
    state_.HelpShown = false;
    state_.EditStarted = false;
    annual_->setChecked(true);
    state_.ScreenMode = PlannerView::MortgageAnnual;

    const ModeTexts texts = session_.texts();
    setWindowTitle(texts.caption);
    principalLabel_->setText(texts.principalLabel);
    rateLabel_->setText(texts.rateLabel);
    termLabel_->setText(texts.termLabel);
    totalPaidLabel_->setText(texts.totalPaidLabel);
    toFinalLabel_->setText(texts.toFinalLabel);
    // The labels differ between the two modes, and the boxes are named after them.
    nameAfterLabel(inPrincipal_, principalLabel_);
    nameAfterLabel(inRate_, rateLabel_);
    nameAfterLabel(inTerm_, termLabel_);
    nameAfterLabel(allPayments_, totalPaidLabel_);
    nameAfterLabel(endMortYear_, toFinalLabel_);
    inPrincipal_->setText(texts.principalText);
    inRate_->addItems(rateList());
    inRate_->setEditText(texts.rateText);
    inTerm_->addItems(texts.termList);
    inTerm_->setEditText(texts.termText);
    comperiod_->setCurrentIndex(0);
    freqPmt_->setCurrentIndex(0);
}

void MortgageCalc::ClearResults() {
    showBoxes(MortgageBoxes());
    quickHelp_->clearResults();
}

void MortgageCalc::calculate() {
    state_.HelpShown = false;
    ClearResults();
    state_.EditStarted = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);

    MortgageInputs& inputs = session_.inputs();
    inputs.compounding = Compounding(comperiod_->currentIndex());
    inputs.frequency = Frequency(freqPmt_->currentIndex());
    inputs.view = mortgageView(state_.ScreenMode);
    inputs.FirstPayDate = state_.FirstPayDate;
    const MortgageOutcome outcome = session_.calculate(inTerm_->currentText());
    showBoxes(outcome.boxes);
    if (outcome.message) {
        QApplication::restoreOverrideCursor();
        services_.messenger.show(this, messageOf(*outcome.message));
        return;
    }
    const mortgage::MortgageGrid grid = session_.grid();
    model_->setGrid(grid.headers, grid.rows);
    mGrid_->setCurrentIndex(model_->index(0, 0));
    mGrid_->scrollToTop();
    QApplication::restoreOverrideCursor();
}

void MortgageCalc::showBoxes(const MortgageBoxes& boxes) {
    inMonthPI_->setText(boxes.InMonthPI);
    periodicR_->setText(boxes.PeriodicR);
    numPmtsYear_->setText(boxes.NumPmtsYear);
    inDays_->setText(boxes.InDays);
    endMortYear_->setText(boxes.EndMortYear);
    allPayments_->setText(boxes.AllPayments);
    totSavd_->setText(boxes.TotSavd);
}

void MortgageCalc::showView(View view) {
    (view == View::Annual ? annual_ : all_)->setChecked(true);
    state_.ScreenMode = plannerView(view);
    ClearResults();
    state_.EditStarted = false;
}

void MortgageCalc::toggleDates() {
    ClearResults();
    if (mDateNumber_->text() == ViewDateCaption) {
        mDateNumber_->setText(ViewNumberCaption);
        session_.inputs().DateView = true;
        MortDateInput dialog(state_, services_, this);
        ModalLoop::exec(dialog);
    } else {
        mDateNumber_->setText(ViewDateCaption);
        session_.inputs().DateView = false;
    }
    state_.EditStarted = false;
}

void MortgageCalc::showDaysInYear() {
    MortIRFTable dialog(session_.inputs().days, this);
    ModalLoop::exec(dialog);
    ClearResults();
}

void MortgageCalc::showAdditionalPayments() {
    ClearResults();
    state_.EditStarted = false;
    MortgageInputs& inputs = session_.inputs();
    MortPrePay dialog(inputs.extraPayments, inputs.ExtraCount, termYears(inputs), state_, services_,
                      this);
    ModalLoop::exec(dialog);
}

void MortgageCalc::showGraphs() {
    if (const auto refusal = session_.graphRefusal()) {
        services_.messenger.show(this, messageOf(*refusal));
        return;
    }
    // The graph screen reads the schedule, PaymentsPerYear and YearsToFinal left here.
    state_.graph.GraphKind = graph::MortgageGraph;
    GraphsAll::openFrom(this, state_, services_);
}

void MortgageCalc::print(ReportDestination destination) {
    if (const auto refusal = session_.printRefusal()) {
        services_.messenger.show(this, messageOf(*refusal));
        return;
    }
    printTextReport(
        this, state_, services_, session_.reportName(),
        [this](const report::ReportOptions& options) { return session_.printedReport(options); },
        destination);
}

void MortgageCalc::exitToMenu() {
    if (exited_)
        return;
    exited_ = true;
    state_.ScreenMode = PlannerView::None;
    state_.EditStarted = false;
    state_.HelpShown = false;
    state_.mortgage = MortgageHandOff();
    mTextBox_->clear();
    state_.graph.ResultCount = 0;
    state_.graph.GraphKind = 0;
    close();
}

void MortgageCalc::closeEvent(QCloseEvent* event) {
    exitToMenu(); // the title bar leaves the planner the way its exit button does
    event->accept();
}

} // namespace pennywell::ui
