#include "core/mortgage/MortgagePresenter.h"
#include "core/mortgage/MortgageTexts.h"
#include "core/mortgage/PaymentFrequency.h"
#include "core/state/AppState.h"
#include "core/state/SharedCaptions.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Colours.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/GridActions.h"
#include "ui/common/GridColumns.h"
#include "ui/common/HelpPanel.h"
#include "ui/common/InputBox.h"
#include "ui/common/QuickHelpToggle.h"
#include "ui/common/ResizableForm.h"
#include "ui/common/Services.h"
#include "ui/common/TextGridModel.h"
#include "ui/common/Twips.h"
#include "ui/common/WholeText.h"
#include "ui/common/WindowPlacement.h"
#include "ui/mortgage/MortgageCalc.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace pennywell::ui {
namespace {

using namespace pennywell::mortgage;

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

QComboBox* addList(QWidget* parent, const char* name, bool editable, const Column& column,
                   int row) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(editable);
    if (editable) {
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr); // what is typed stays as typed
    }
    showAsFigureInput(list, BoxPointSize);
    list->setGeometry(boxRect(column, row));
    return list;
}

QLineEdit* addResultBox(QWidget* parent, const char* name, const Column& column, int row) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setFont(fixedPitchFont(BoxPointSize));
    showAsResultBox(box);
    box->setGeometry(boxRect(column, row));
    keepTextWhole(box);
    return box;
}

} // namespace

void MortgageCalc::buildInputs() {
    principalLabel_ = addLabel(this, "Label1", QString(), InputColumn, 0);
    rateLabel_ = addLabel(this, "Label2", QString(), InputColumn, 1);
    termLabel_ = addLabel(this, "Label3", QString(), InputColumn, 2);
    QLabel* compoundingLabel = addLabel(this, "Label6", CompoundingLabel, InputColumn, 3);
    QLabel* frequencyLabel = addLabel(this, "Label10", FrequencyLabel, InputColumn, 4);

    inPrincipal_ = new QLineEdit(this);
    inPrincipal_->setObjectName(QStringLiteral("InPrincipal"));
    showAsFigureInput(inPrincipal_, BoxPointSize);
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

    QLabel* showPayments = addLabel(this, "Label12", ShowPaymentsLabel, FactorColumn, 2);
    showPayments->setGeometry(twipsRect(FactorColumn.labelLeft, rowTop(2),
                                        FactorColumn.labelWidth + FactorColumn.boxWidth + 30,
                                        RowHeight));
    annual_ = new QRadioButton(mortgage::AnnualViewCaption, this);
    annual_->setObjectName(QStringLiteral("Option2"));
    annual_->setGeometry(twipsRect(FactorColumn.labelLeft + 60, rowTop(3), 1200, RowHeight));
    all_ = new QRadioButton(mortgage::AllViewCaption, this);
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
    const auto buttonAt = [this](const char* name, const QString& caption, int index) {
        return addButton(this, name, caption,
                         twipsRect(60 + (index % 4) * 2355, 2190 + (index / 4) * 420, 2295, 375));
    };
    mCalc_ = buttonAt("MCalc", CalculateCaption, 0);
    QPushButton* showIrf = buttonAt("MShowIRF", mortgage::DaysInYearCaption, 1);
    mDateNumber_ = buttonAt("MDateNumber", ViewDateCaption, 2);
    QPushButton* addPrePay = buttonAt("MAddPrePay", mortgage::AdditionalPaymentCaption, 3);
    mGraphs_ = buttonAt("MGraphs", ShowGraphCaption, 4);
    mPrinter_ = buttonAt("MPrinter", ToPrinterCaption, 5);
    mHelp_ = buttonAt("MHelp", QuickHelpCaption, 6);
    QPushButton* exit = buttonAt("MExit", ExitToMenuCaption, 7);

    connect(mCalc_, &QPushButton::clicked, this, &MortgageCalc::calculate);
    connect(showIrf, &QPushButton::clicked, this, &MortgageCalc::showDaysInYear);
    connect(mDateNumber_, &QPushButton::clicked, this, &MortgageCalc::toggleDates);
    connect(addPrePay, &QPushButton::clicked, this, &MortgageCalc::showAdditionalPayments);
    connect(mGraphs_, &QPushButton::clicked, this, &MortgageCalc::showGraphs);
    connect(mPrinter_, &QPushButton::clicked, this, [this] { print(); });
    connect(mHelp_, &QPushButton::clicked, this,
            [this] { quickHelp_->toggle(quickHelpText(session_.mode())); });
    connect(exit, &QPushButton::clicked, this, &MortgageCalc::exitToMenu);
}

void MortgageCalc::buildGrid() {
    const QRect area = twipsRect(60, GridTop, 9360, 6300 - GridTop);

    const mortgage::MortgageGrid fresh = freshGrid(session_.mode());
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
    // Every payment's number and year: four and eight characters.
    widenToHold(mGrid_, 0, QString(12, QLatin1Char('0')), GridColumns - 1);
    keepCellsWhole(mGrid_);
    shareGainedWidth(mGrid_);
    attachGridActions(mGrid_, services_,
                      {QStringLiteral("Payment Schedule"), &state_.settings.CurrencySymbol,
                       [this] { print(ReportDestination::PdfFile); }});

    mTextBox_ = new HelpPanel(services_.beeper, this);
    mTextBox_->setObjectName(QStringLiteral("MTextBox"));
    nameAfterCaption(mTextBox_, QuickHelpCaption);
    mTextBox_->setEnterTarget(inPrincipal_);
    mTextBox_->setFont(fixedPitchFont());
    mTextBox_->setGeometry(area);
    mTextBox_->hide();
    quickHelp_ = new QuickHelpToggle(
        state_, {mHelp_, mTextBox_, mGrid_, model_, {mPrinter_, mGraphs_}},
        [this] { session_.forgetResults(); }, this);

    auto* form = new ResizableForm(this, mainWindowSize());
    form->follow(mGrid_, TakesAllRoom);
    form->follow(mTextBox_, TakesAllRoom);
}

} // namespace pennywell::ui
