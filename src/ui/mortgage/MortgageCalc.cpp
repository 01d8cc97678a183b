#include "ui/mortgage/MortgageCalc.h"

#include "core/graph/GraphSeries.h"
#include "core/mortgage/MortgageEngine.h"
#include "core/mortgage/MortgagePresenter.h"
#include "core/mortgage/MortgageTexts.h"
#include "core/mortgage/PaymentFrequency.h"
#include "core/report/MortgageTable.h"
#include "core/state/AppState.h"
#include "ui/common/Accessibility.h"
#include "ui/common/HelpPanel.h"
#include "ui/common/Messenger.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/Services.h"
#include "ui/common/TextGridModel.h"
#include "ui/graph/GraphsAll.h"
#include "ui/mortgage/MortDateInput.h"
#include "ui/mortgage/MortIRFTable.h"
#include "ui/mortgage/MortPrePay.h"
#include "ui/mortgage/MortgageCalcCaptions.h"
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
using namespace mortgage_captions;

// The panel shows the text's own line breaks; CR LF would show the CR.
QString panelText(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

MortgageCalc::MortgageCalc(AppState& state, Services& services, QWidget* parent)
    : QWidget(parent), state_(state), services_(services),
      mode_(state.PlanKind == LoanPlan ? Mode::Loan : Mode::Mortgage),
      inputs_(defaultInputs(mode_)) {
    setObjectName(QStringLiteral("MortgageCalc"));
    setAccessibleDescription(
        QStringLiteral("The payment for a principal, rate and term, and the schedule of payments"));
    buildInputs();
    buildResults();
    buildButtons();
    buildGrid();
    attachInputBehaviour();
    load();
}

void MortgageCalc::load() {
    state_.HelpShown = 0;
    state_.EditStarted = 0;
    annual_->setChecked(true);
    state_.ScreenMode = int(View::Annual);

    const ModeTexts texts = modeTexts(mode_, state_.settings.CurrencySymbol);
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
    principalShown_ = texts.principalText;
    inPrincipal_->setText(principalShown_);
    inRate_->addItems(rateList());
    inRate_->setEditText(texts.rateText);
    inTerm_->addItems(texts.termList);
    inTerm_->setEditText(texts.termText);
    comperiod_->setCurrentIndex(0);
    freqPmt_->setCurrentIndex(0);
}

void MortgageCalc::ClearResults() {
    showBoxes(MortgageBoxes());
    state_.EditStarted = 1;
    if (state_.HelpShown == 1)
        return;
    mTextBox_->clear();
    model_->clearCells();
    if (mHelp_->text() == CloseHelpCaption) {
        mHelp_->setText(QuickHelpCaption);
        mPrinter_->setEnabled(true);
        mGraphs_->setEnabled(true);
        mTextBox_->hide();
        mGrid_->show();
        state_.EditStarted = 0;
    }
    state_.HelpShown = 0;
    state_.graph.ResultCount = 0;
}

void MortgageCalc::calculate() {
    state_.HelpShown = 0;
    ClearResults();
    state_.EditStarted = 0;
    state_.mortgage = MortgageHandOff();
    QApplication::setOverrideCursor(Qt::WaitCursor);

    inputs_.compoundingRow = comperiod_->currentText();
    inputs_.frequencyRow = freqPmt_->currentText();
    inputs_.view = state_.ScreenMode == int(View::All) ? View::All : View::Annual;
    inputs_.FirstPayDate = state_.FirstPayDate;
    MortgageResult result = calculateMortgage(inputs_);
    const QString& symbol = state_.settings.CurrencySymbol;
    const MortgageBoxes boxes = boxTexts(result, symbol);
    showBoxes(boxes);

    if (!result.succeeded()) {
        QApplication::restoreOverrideCursor();
        const FailureMessage message = failureMessage(result.failure, mode_);
        services_.messenger.show(this, Message{message.text, message.title});
        return;
    }
    const mortgage::MortgageGrid grid = filledGrid(result, symbol);
    model_->setGrid(grid.headers, grid.rows);
    state_.graph.ResultCount = result.ResultCount;
    state_.graph.GraphTitle = result.GraphTitle;
    const QString extras = extrasText(result);
    state_.mortgage = MortgageHandOff{inputs_,
                                      std::move(result),
                                      boxes,
                                      inTerm_->currentText(),
                                      comperiod_->currentText(),
                                      freqPmt_->currentText(),
                                      extras};
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
    state_.ScreenMode = int(view);
    ClearResults();
    state_.EditStarted = 0;
}

void MortgageCalc::toggleDates() {
    ClearResults();
    if (mDateNumber_->text() == ViewDateCaption) {
        mDateNumber_->setText(ViewNumberCaption);
        inputs_.DateView = 1;
        MortDateInput dialog(state_, services_, this);
        ModalLoop::exec(dialog);
    } else {
        mDateNumber_->setText(ViewDateCaption);
        inputs_.DateView = 0;
    }
    state_.EditStarted = 0;
}

void MortgageCalc::showDaysInYear() {
    MortIRFTable dialog(inputs_.days, this);
    ModalLoop::exec(dialog);
    ClearResults();
}

void MortgageCalc::showAdditionalPayments() {
    ClearResults();
    state_.EditStarted = 0;
    MortPrePay dialog(inputs_.extraPayments, inputs_.ExtraCount, termYears(inputs_), state_,
                      services_, this);
    ModalLoop::exec(dialog);
}

void MortgageCalc::toggleQuickHelp() {
    state_.HelpShown = 1 - state_.HelpShown;
    if (mHelp_->text() != QuickHelpCaption) {
        ClearResults();
        return;
    }
    mHelp_->setText(CloseHelpCaption);
    mPrinter_->setEnabled(false);
    mGraphs_->setEnabled(false);
    mGrid_->hide();
    mTextBox_->show();
    mTextBox_->setFocus(Qt::OtherFocusReason);
    mTextBox_->setPlainText(panelText(quickHelpText(mode_)));
}

void MortgageCalc::showGraphs() {
    if (state_.graph.ResultCount == 0) {
        services_.messenger.show(this, Message{QStringLiteral("No Data to work with. Calculate."),
                                               QStringLiteral("Advisory")});
        return;
    }
    // The graph screen reads the schedule, PaymentsPerYear and YearsToFinal left here.
    state_.graph.GraphKind = graph::MortgageGraph;
    GraphsAll::openFrom(this, state_, services_);
}

void MortgageCalc::print(ReportDestination destination) {
    if (state_.graph.ResultCount == 0) {
        services_.messenger.show(this, Message{report::MortgageNoDataText, QStringLiteral("Help")});
        return;
    }
    const MortgageHandOff& last = state_.mortgage;
    const QString name = last.inputs.mode == Mode::Loan ? QStringLiteral("Personal Loan Table")
                                                        : QStringLiteral("Mortgage Table");
    printTextReport(
        this, state_, services_, name,
        [&last](const report::ReportOptions& options) {
            return report::mortgageTable(last.inputs, last.result, options);
        },
        destination);
}

void MortgageCalc::exitToMenu() {
    if (exited_)
        return;
    exited_ = true;
    state_.ScreenMode = 0;
    state_.EditStarted = 0;
    state_.HelpShown = 0;
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
