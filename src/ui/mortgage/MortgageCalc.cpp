#include "mortgage/MortgageCalc.h"

#include "common/Accessibility.h"
#include "common/Beeper.h"
#include "common/Fonts.h"
#include "common/HelpPanel.h"
#include "common/InputBox.h"
#include "common/Messenger.h"
#include "common/Services.h"
#include "common/TextGridModel.h"
#include "common/Twips.h"
#include "format/LeadingNumber.h"
#include "graph/GraphSeries.h"
#include "graph/GraphsAll.h"
#include "mortgage/MortDateInput.h"
#include "mortgage/MortIRFTable.h"
#include "mortgage/MortPrePay.h"
#include "mortgage/MortgageEngine.h"
#include "mortgage/MortgagePresenter.h"
#include "mortgage/MortgageTexts.h"
#include "mortgage/PaymentFrequency.h"
#include "printing/ReportPrinting.h"
#include "report/MortgageTable.h"
#include "state/AppState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace pennywell::ui {
namespace {

using namespace pennywell::mortgage;

const QString QuickHelpCaption = QStringLiteral("Quick &Help");
const QString CloseHelpCaption = QStringLiteral("Close &Help");
const QString ViewDateCaption = QStringLiteral("&View payment date");
const QString ViewNumberCaption = QStringLiteral("&View payment No.");

// Three columns of labelled boxes: inputs, results, and the rate factor with the view options.
constexpr int RowTop = 60;
constexpr int RowHeight = 420;
constexpr int BoxHeight = 360;
struct Column {
    int labelLeft, labelWidth, boxLeft, boxWidth;
};
constexpr Column InputColumn{60, 1560, 1650, 2070};
constexpr Column ResultColumn{3840, 1560, 5430, 1560};
constexpr Column FactorColumn{7080, 1020, 8130, 1290};
constexpr int GridTop = 3060;
// Each column is its default width widened by its own amount; the default is chosen so the six
// columns and the scroll bar fill the grid's width.
constexpr int GridDefaultColumnWidth = 870;
constexpr int GridColumnWidening[GridColumns] = {520, 550, 650, 700, 700, 700};

// At 9 points every box and grid column fits the window's fixed rectangle.
constexpr int BoxPointSize = 9;

int rowTop(int row) {
    return RowTop + row * RowHeight;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const Column& column,
                 int row) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setFont(captionFont());
    label->setGeometry(twipsRect(column.labelLeft, rowTop(row), column.labelWidth, RowHeight));
    return label;
}

QRect boxRect(const Column& column, int row) {
    return twipsRect(column.boxLeft, rowTop(row) + (RowHeight - BoxHeight) / 2, column.boxWidth,
                     BoxHeight);
}

void paintAsInput(QWidget* box) {
    showAsInputBox(box);
    box->setFont(fixedPitchFont(BoxPointSize));
}

QComboBox* addList(QWidget* parent, const char* name, bool editable, const Column& column,
                   int row) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(editable);
    if (editable) {
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr); // what is typed stays as typed
    }
    paintAsInput(list);
    list->setGeometry(boxRect(column, row));
    return list;
}

QLineEdit* addResultBox(QWidget* parent, const char* name, const Column& column, int row) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setFont(fixedPitchFont(BoxPointSize));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    box->setPalette(palette);
    box->setGeometry(boxRect(column, row));
    return box;
}

// The panel shows the text's own line breaks; CR LF would show the CR.
QString panelText(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isFocusMove(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
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

void MortgageCalc::buildInputs() {
    principalLabel_ = addLabel(this, "Label1", QString(), InputColumn, 0);
    rateLabel_ = addLabel(this, "Label2", QString(), InputColumn, 1);
    termLabel_ = addLabel(this, "Label3", QString(), InputColumn, 2);
    QLabel* compoundingLabel = addLabel(
        this, "Label6", QStringLiteral(" Interest compound     periods per year."), InputColumn, 3);
    QLabel* frequencyLabel = addLabel(
        this, "Label10", QStringLiteral(" Frequency and type   of each payment."), InputColumn, 4);

    inPrincipal_ = new QLineEdit(this);
    inPrincipal_->setObjectName(QStringLiteral("InPrincipal"));
    paintAsInput(inPrincipal_);
    inPrincipal_->setGeometry(boxRect(InputColumn, 0));
    inRate_ = addList(this, "InRate", true, InputColumn, 1);
    inTerm_ = addList(this, "InTerm", true, InputColumn, 2);
    comperiod_ = addList(this, "Comperiod", false, InputColumn, 3);
    freqPmt_ = addList(this, "FreqPmt", false, InputColumn, 4);
    nameAfterLabel(comperiod_, compoundingLabel);
    nameAfterLabel(freqPmt_, frequencyLabel);
    comperiod_->addItems(compoundingRows());
    freqPmt_->addItems(frequencyRows());

    connect(inRate_, &QComboBox::activated, this, &MortgageCalc::ClearResults);
    connect(inTerm_, &QComboBox::activated, this, &MortgageCalc::termPicked);
    connect(comperiod_, &QComboBox::activated, this, &MortgageCalc::ClearResults);
    connect(freqPmt_, &QComboBox::activated, this, &MortgageCalc::ClearResults);
    comperiod_->installEventFilter(this);
    freqPmt_->installEventFilter(this);
}

void MortgageCalc::buildResults() {
    QLabel* paymentLabel = addLabel(this, "Label4", PaymentLabel, ResultColumn, 0);
    QLabel* paymentsPerYearLabel = addLabel(this, "Label9", PaymentsPerYearLabel, ResultColumn, 1);
    toFinalLabel_ = addLabel(this, "Label11", QString(), ResultColumn, 2);
    totalPaidLabel_ = addLabel(this, "Label8", QString(), ResultColumn, 3);
    QLabel* savingsLabel = addLabel(this, "Label5", SavingsLabel, ResultColumn, 4);
    inMonthPI_ = addResultBox(this, "InMonthPI", ResultColumn, 0);
    numPmtsYear_ = addResultBox(this, "NumPmtsYear", ResultColumn, 1);
    endMortYear_ = addResultBox(this, "EndMortYear", ResultColumn, 2);
    allPayments_ = addResultBox(this, "AllPayments", ResultColumn, 3);
    totSavd_ = addResultBox(this, "TotSavd", ResultColumn, 4);

    QLabel* rateFactorLabel = addLabel(this, "Label14", RateFactorLabel, FactorColumn, 0);
    QLabel* daysLabel = addLabel(this, "Label15", DaysInYearLabel, FactorColumn, 1);
    periodicR_ = addResultBox(this, "PeriodicR", FactorColumn, 0);
    inDays_ = addResultBox(this, "InDays", FactorColumn, 1);
    nameAfterLabel(inMonthPI_, paymentLabel);
    nameAfterLabel(numPmtsYear_, paymentsPerYearLabel);
    nameAfterLabel(totSavd_, savingsLabel);
    nameAfterLabel(periodicR_, rateFactorLabel);
    nameAfterLabel(inDays_, daysLabel);

    QLabel* showPayments =
        addLabel(this, "Label12", QStringLiteral(" Show payments."), FactorColumn, 2);
    showPayments->setGeometry(twipsRect(FactorColumn.labelLeft, rowTop(2),
                                        FactorColumn.labelWidth + FactorColumn.boxWidth + 30,
                                        RowHeight));
    annual_ = new QRadioButton(QStringLiteral("Annual"), this);
    annual_->setObjectName(QStringLiteral("Option2"));
    annual_->setGeometry(twipsRect(FactorColumn.labelLeft + 60, rowTop(3), 1200, RowHeight));
    all_ = new QRadioButton(QStringLiteral("All "), this);
    all_->setObjectName(QStringLiteral("Option1"));
    all_->setGeometry(twipsRect(FactorColumn.boxLeft + 120, rowTop(3), 1200, RowHeight));
    connect(annual_, &QRadioButton::clicked, this, [this] { showView(View::Annual); });
    connect(all_, &QRadioButton::clicked, this, [this] { showView(View::All); });
    // Captionless labels of the layout, kept clear of every control.
    addLabel(this, "Label7", QString(), FactorColumn, 4);
    addLabel(this, "Label13", QString(), FactorColumn, 4)
        ->move(fromTwips(FactorColumn.boxLeft), fromTwips(rowTop(4)));
}

void MortgageCalc::buildButtons() {
    const auto addButton = [this](const char* name, const QString& caption, int index) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(
            twipsRect(60 + (index % 4) * 2355, 2190 + (index / 4) * 420, 2295, 375));
        button->setAutoDefault(true); // Enter on a focused button presses it
        return button;
    };
    mCalc_ = addButton("MCalc", QStringLiteral("&Calculate"), 0);
    QPushButton* showIrf = addButton("MShowIRF", QStringLiteral("&Days in year"), 1);
    mDateNumber_ = addButton("MDateNumber", ViewDateCaption, 2);
    QPushButton* addPrePay = addButton("MAddPrePay", QStringLiteral("&Additional payment"), 3);
    mGraphs_ = addButton("MGraphs", QStringLiteral("&Show Graph"), 4);
    mPrinter_ = addButton("MPrinter", QStringLiteral("To &Printer"), 5);
    mHelp_ = addButton("MHelp", QuickHelpCaption, 6);
    QPushButton* exit = addButton("MExit", QStringLiteral("E&xit to Menu"), 7);

    connect(mCalc_, &QPushButton::clicked, this, &MortgageCalc::calculate);
    connect(showIrf, &QPushButton::clicked, this, &MortgageCalc::showDaysInYear);
    connect(mDateNumber_, &QPushButton::clicked, this, &MortgageCalc::toggleDates);
    connect(addPrePay, &QPushButton::clicked, this, &MortgageCalc::showAdditionalPayments);
    connect(mGraphs_, &QPushButton::clicked, this, &MortgageCalc::showGraphs);
    connect(mPrinter_, &QPushButton::clicked, this, &MortgageCalc::print);
    connect(mHelp_, &QPushButton::clicked, this, &MortgageCalc::toggleQuickHelp);
    connect(exit, &QPushButton::clicked, this, &MortgageCalc::exitToMenu);
}

void MortgageCalc::buildGrid() {
    const QRect area = twipsRect(60, GridTop, 9360, 6300 - GridTop);

    const mortgage::MortgageGrid fresh = freshGrid(mode_);
    model_ = new TextGridModel(this);
    model_->setGrid(fresh.headers, fresh.rows);
    mGrid_ = new QTableView(this);
    mGrid_->setObjectName(QStringLiteral("MGrid"));
    mGrid_->setModel(model_);
    nameAfterCaption(mGrid_, QStringLiteral("Payment schedule"));
    mGrid_->setFont(fixedPitchFont(BoxPointSize));
    mGrid_->setGeometry(area);
    mGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mGrid_->setTabKeyNavigation(false); // Tab moves on to the next control; arrows move inside
    mGrid_->setWordWrap(false);
    mGrid_->verticalHeader()->hide();
    mGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mGrid_->verticalHeader()->setDefaultSectionSize(fromTwips(255));
    QHeaderView* headings = mGrid_->horizontalHeader();
    headings->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    headings->setFixedHeight(fromTwips(500));
    headings->setSectionResizeMode(QHeaderView::Fixed);
    headings->setHighlightSections(false);
    for (int column = 0; column < GridColumns; ++column)
        mGrid_->setColumnWidth(column,
                               fromTwips(GridDefaultColumnWidth + GridColumnWidening[column]));

    mTextBox_ = new HelpPanel(services_.beeper, this);
    mTextBox_->setObjectName(QStringLiteral("MTextBox"));
    nameAfterCaption(mTextBox_, QuickHelpCaption);
    mTextBox_->setEnterTarget(inPrincipal_);
    mTextBox_->setFont(fixedPitchFont());
    mTextBox_->setGeometry(area);
    mTextBox_->hide();
}

void MortgageCalc::attachInputBehaviour() {
    // Every input box clears the results on its first key and on Delete.
    const auto rules = [this](KeyFilter filter, QString (MortgageCalc::*leave)(const QString&)) {
        InputBoxRules box;
        box.filter = std::move(filter);
        box.onFirstKey = [this] { ClearResults(); };
        box.onDeleteKey = box.onFirstKey;
        box.onLeave = [this, leave](const QString& text) { return (this->*leave)(text); };
        return box;
    };
    Beeper& beeper = services_.beeper;
    InputBox::attach(inPrincipal_, state_,
                     rules(amountKeyFilter(beeper), &MortgageCalc::leavePrincipal))
        ->setNext(inRate_);
    InputBox::attach(inRate_, state_, rules(amountKeyFilter(beeper), &MortgageCalc::leaveRate))
        ->setNext(inTerm_);
    InputBoxRules term = rules(digitKeyFilter(beeper), &MortgageCalc::leaveTerm);
    term.commitsWithoutEdit = true; // the limit is checked on every leave
    InputBox::attach(inTerm_, state_, std::move(term))->setNext(comperiod_);
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

QString MortgageCalc::leavePrincipal(const QString& text) {
    // A list pick or view change marks an edit as started; leaving the untouched box then must
    // not read its "$" text as 0.
    if (text == principalShown_)
        return text;
    commitAmount(text, inputs_.principal);
    principalShown_ =
        principalBoxText(state_.settings.CurrencySymbol, inputs_.principal.toDouble());
    return principalShown_;
}

QString MortgageCalc::leaveRate(const QString& text) {
    commitAmount(text, inputs_.ratePercent);
    return rateBoxText(inputs_.ratePercent.toDouble());
}

void MortgageCalc::commitAmount(const QString& text, Currency& into) {
    const std::optional<Currency> value = Currency::fromDouble(leadingNumber(text));
    if (value) // a value beyond the money range is refused; the last one stays
        into = *value;
    else
        services_.beeper.beep();
}

QString MortgageCalc::leaveTerm(const QString& text) {
    const TermLimit limit = termLimit(mode_);
    QString shown = text;
    if (leadingNumber(text) > limit.limit) {
        services_.messenger.show(this, Message{limit.message, QStringLiteral("Help")});
        shown = QString::number(limit.limit);
    }
    if (state_.EditStarted != 1)
        return shown;
    const double term = leadingNumber(shown);
    inputs_.term = *Currency::fromDouble(term); // at most the limit, so it always fits
    return termBoxText(term);
}

void MortgageCalc::termPicked() {
    inputs_.extraPayments = ExtraPayments{};
    // Nothing is left to list, so the additional-payments block must not be shown either.
    inputs_.ExtraCount = 0;
    ClearResults();
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
        dialog.exec();
    } else {
        mDateNumber_->setText(ViewDateCaption);
        inputs_.DateView = 0;
    }
    state_.EditStarted = 0;
}

void MortgageCalc::showDaysInYear() {
    MortIRFTable dialog(inputs_.days, this);
    dialog.exec();
    ClearResults();
}

void MortgageCalc::showAdditionalPayments() {
    ClearResults();
    state_.EditStarted = 0;
    MortPrePay dialog(inputs_.extraPayments, inputs_.ExtraCount, termYears(inputs_), state_,
                      services_, this);
    dialog.exec();
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

void MortgageCalc::print() {
    if (state_.graph.ResultCount == 0) {
        services_.messenger.show(this, Message{report::MortgageNoDataText, QStringLiteral("Help")});
        return;
    }
    const MortgageHandOff& last = state_.mortgage;
    const QString name = last.inputs.mode == Mode::Loan ? QStringLiteral("Personal Loan Table")
                                                        : QStringLiteral("Mortgage Table");
    printTextReport(this, state_, services_, name, [&last](const report::ReportOptions& options) {
        return report::mortgageTable(last.inputs, last.result, options);
    });
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

bool MortgageCalc::listKeyPressed(QWidget* next, int key, const QString& text) {
    if (isEnter(key)) {
        next->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (isFocusMove(key) || text.isEmpty())
        return false; // arrows and page keys pick rows as usual
    services_.beeper.beep();
    ClearResults();
    return true;
}

bool MortgageCalc::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == comperiod_)
        return listKeyPressed(freqPmt_, key->key(), key->text());
    if (watched == freqPmt_)
        return listKeyPressed(mCalc_, key->key(), key->text());
    return QWidget::eventFilter(watched, event);
}

} // namespace pennywell::ui
