#include "ui/savings/SavingsCalc.h"

#include "core/graph/GraphSeries.h"
#include "core/report/SavingsTable.h"
#include "core/savings/SavingsHelpText.h"
#include "core/savings/SavingsInputs.h"
#include "core/savings/SavingsTexts.h"
#include "core/state/AppState.h"
#include "core/state/SharedCaptions.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/GridActions.h"
#include "ui/common/GridColumns.h"
#include "ui/common/HelpPanel.h"
#include "ui/common/InputBox.h"
#include "ui/common/Messenger.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/QuickHelpToggle.h"
#include "ui/common/ResizableForm.h"
#include "ui/common/Services.h"
#include "ui/common/TextGridModel.h"
#include "ui/common/Twips.h"
#include "ui/common/WholeText.h"
#include "ui/common/WindowPlacement.h"
#include "ui/graph/GraphsAll.h"
#include "ui/printing/ReportPrinting.h"
#include "ui/savings/YearSaveCalc.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTableView>
#include <cmath>

namespace pennywell::ui {
namespace {

constexpr int GridDefaultColumnWidth = 400; // twips; each column adds its own increment
constexpr int BoxPitch = 840;               // twips between the tops of two input boxes
// The quick help's examples give four lines to each box, so a line of the panel is a quarter
// of the boxes' pitch; before the years value they give five, so the years box stands one
// line lower than the pitch alone would place it.
constexpr int HelpLinePitch = BoxPitch / 4;
constexpr int TermBoxDrop = HelpLinePitch;

void showGrid(TextGridModel& model, const GrowthGrid& grid) {
    // Each heading's run of blanks is where it breaks onto its second line.
    static const QRegularExpression blankRun(QStringLiteral(" {2,}"));
    QStringList headings;
    for (const QString& heading : grid.headers)
        headings.append(heading.trimmed().replace(blankRun, QStringLiteral("\n")));
    model.setGrid(headings, grid.rows);
}

// The largest fixed-pitch font whose lines are no further apart than the help's line pitch.
QFont helpPanelFont() {
    constexpr int LargestPointSize = 10;
    constexpr int SmallestPointSize = 6;
    QFont font = fixedPitchFont(LargestPointSize);
    for (int size = LargestPointSize; size > SmallestPointSize; --size) {
        font = fixedPitchFont(size);
        if (QFontMetrics(font).lineSpacing() <= fromTwips(HelpLinePitch))
            break;
    }
    return font;
}

} // namespace

struct SavingsCalc::BoxDefinition {
    const char* name;
    int slot;
    QString label;
    QStringList presets;
};

SavingsCalc::SavingsCalc(AppState& state, Services& services, QWidget* parent)
    : QWidget(parent), state_(state), services_(services),
      session_(state.savings, state.graph, state.settings.CurrencySymbol),
      gridModel_(new TextGridModel(this)) {
    setObjectName(QStringLiteral("SavingsCalc"));
    setWindowTitle(savings_texts::WindowCaption);
    setAccessibleDescription(savings_texts::WindowDescription);

    session_.open();
    state_.EditStarted = false;
    state_.HelpShown = false;

    showGrid(*gridModel_, freshGrowthGrid());
    buildInputBoxes();
    buildGrid();
    buildButtons();
    attachInputBehaviour();

    // Below the grid, the buttons and the yearly calculator's caption stay at the bottom.
    auto* form = new ResizableForm(this, mainWindowSize());
    form->follow(grid_, TakesAllRoom);
    form->follow(helpPanel_, TakesAllRoom);
    form->follow(findChild<QWidget*>(QStringLiteral("Label7")), StaysAtBottom);
    form->followAllBelow(this, grid_->geometry().bottom(), StaysAtBottom);
}

void SavingsCalc::buildInputBoxes() {
    // Top to bottom in their Enter order; the help panel's examples line up.
    const BoxDefinition definitions[] = {
        {"InLumpInv",
         LumpSumSlot,
         savings_texts::LumpSumLabel,
         {"10000", "15000", "20000", "25000", "30000", "35000"}},
        {"InInvest",
         AnnualAmountSlot,
         savings_texts::AnnualAmountLabel,
         {"1000", "1500", "2000", "2500", "3000", "3500"}},
        {"InIncrRate", IncreaseSlot, savings_texts::IncreaseLabel, {"3", "4", "5", "6", "7"}},
        {"InRate", RateSlot, savings_texts::RateLabel, {"10", "12.5", "15", "17.5", "20"}},
        {"inInflatRate", InflationSlot, savings_texts::InflationLabel, {"3", "4", "5", "6", "7"}},
        {"InTerm", TermSlot, savings_texts::TermLabel, {"5", "10", "15", "20", "25", "30"}},
    };
    int index = 0;
    for (const BoxDefinition& definition : definitions)
        boxes_[std::size_t(definition.slot)] = addInputBox(definition, index++);
}

QComboBox* SavingsCalc::addInputBox(const BoxDefinition& definition, int index) {
    const int top = 60 + index * BoxPitch + (definition.slot == TermSlot ? TermBoxDrop : 0);
    auto* label = new QLabel(definition.label, this);
    label->setObjectName(QStringLiteral("Label%1").arg(index + 1));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label->setGeometry(twipsRect(120, top, 2640, 450));

    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(definition.name));
    box->setEditable(true);
    box->setCompleter(nullptr); // the box must show what is typed, not a completed preset
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(definition.presets);
    box->setEditText(session_.boxText(definition.slot, definition.slot == LumpSumSlot ? 15 : 13));
    box->lineEdit()->setAlignment(Qt::AlignRight);
    showAsFigureInput(box);
    box->setGeometry(twipsRect(120, top + 465, 2640, 375));
    nameAfterLabel(box, label);
    return box;
}

void SavingsCalc::buildGrid() {
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("SGrid"));
    grid_->setModel(gridModel_);
    nameAfterCaption(grid_, QStringLiteral("Growth year by year"));
    grid_->setFont(fixedPitchFont());
    grid_->setGeometry(twipsRect(2850, 60, 6510, 5715));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setTabKeyNavigation(false); // Tab moves on to the next control; arrows move inside
    // The headings wrap in a smaller window font, named in full so the grid's font does not win.
    grid_->horizontalHeader()->setFont(QFont(font().family(), font().pointSize() - 1));
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(fromTwips(270));
    grid_->horizontalHeader()->setFixedHeight(fromTwips(500));
    grid_->horizontalHeader()->setDefaultAlignment(
        Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int increments[] = {300, 1400, 1400, 1510};
    for (int column = 0; column < GrowthGridColumns; ++column)
        grid_->setColumnWidth(column, fromTwips(GridDefaultColumnWidth + increments[column]));
    widenToHold(grid_, 0, QStringLiteral("Total:"), GrowthGridColumns - 1);
    keepCellsWhole(grid_);
    shareGainedWidth(grid_);
    attachGridActions(grid_, services_,
                      {report::SavingsReportName, &state_.settings.CurrencySymbol,
                       [this] { print(ReportDestination::PdfFile); }});

    helpPanel_ = new HelpPanel(services_.beeper, this);
    helpPanel_->setObjectName(QStringLiteral("STextBox"));
    nameAfterCaption(helpPanel_, QuickHelpCaption);
    helpPanel_->setFont(helpPanelFont());
    // Lines stay as written, each example value on its own line beside its box; the longer
    // sentences are read with the horizontal scroll bar.
    helpPanel_->setLineWrapMode(QPlainTextEdit::NoWrap);
    helpPanel_->document()->setDocumentMargin(0);
    helpPanel_->setGeometry(grid_->geometry());
    helpPanel_->hide();
    helpPanel_->setEnterTarget(boxes_[LumpSumSlot]);
}

void SavingsCalc::buildButtons() {
    auto* yearLabel = new QLabel(savings_texts::YearButtonLabel, this);
    yearLabel->setObjectName(QStringLiteral("Label7"));
    yearLabel->setWordWrap(true);
    yearLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Below the years box; its last line, "each:", reads on to the Year button beside it.
    yearLabel->setGeometry(twipsRect(120, 5340, 2640, 960));
    auto* yearButton =
        addButton(this, "YearSavings", savings_texts::YearCaption, twipsRect(1770, 5880, 990, 420));

    const int top = 5880;
    calculateButton_ = addButton(this, "SCalc", CalculateCaption, twipsRect(2850, top, 1230, 420));
    graphButton_ = addButton(this, "SGraphs", ShowGraphCaption, twipsRect(4170, top, 1230, 420));
    printButton_ = addButton(this, "SPrinter", ToPrinterCaption, twipsRect(5490, top, 1230, 420));
    auto* helpButton = addButton(this, "SHelp", QuickHelpCaption, twipsRect(6810, top, 1230, 420));
    auto* exitButton = addButton(this, "SExit", ExitToMenuCaption, twipsRect(8130, top, 1230, 420));

    quickHelp_ = new QuickHelpToggle(
        state_, {helpButton, helpPanel_, grid_, gridModel_, {printButton_, graphButton_}},
        [this] { session_.forgetResults(); }, this);
    connect(calculateButton_, &QPushButton::clicked, this, &SavingsCalc::calculate);
    connect(graphButton_, &QPushButton::clicked, this, &SavingsCalc::showGraph);
    connect(printButton_, &QPushButton::clicked, this, [this] { print(); });
    connect(helpButton, &QPushButton::clicked, this,
            [this] { quickHelp_->toggle(savingsHelpText(state_.settings.CurrencySymbol)); });
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(yearButton, &QPushButton::clicked, this, &SavingsCalc::openYearlyCalculator);
}

void SavingsCalc::attachInputBehaviour() {
    QWidget* previous = nullptr;
    InputBox* previousBox = nullptr;
    for (const int slot : SavingsEnterOrder) {
        QComboBox* box = boxes_[std::size_t(slot)];
        InputBoxRules rules;
        rules.filter = amountKeyFilter(services_.beeper);
        rules.onFirstKey = [this] { clearResults(); };
        rules.onDeleteKey = [this] { clearResults(); };
        if (takesNegativeRate(slot))
            rules.restartingKeys = QStringLiteral("-"); // starts a negative rate
        rules.onLeave = [this, slot](const QString& text) {
            return answerCommit(this, services_, session_.commit(slot, text));
        };
        InputBox* inputBox = InputBox::attach(box, state_, std::move(rules));
        connect(box, &QComboBox::activated, this, [this] { clearResults(); });
        if (previousBox)
            previousBox->setNext(box);
        if (previous)
            setTabOrder(previous, box);
        previous = box;
        previousBox = inputBox;
    }
    previousBox->setNext(calculateButton_);
    setTabOrder(previous, calculateButton_);
    setTabOrder(calculateButton_, grid_); // keyboard users scroll the results down to the totals
}

void SavingsCalc::showMessage(const PlannerMessage& message) {
    services_.messenger.show(this, messageOf(message));
}

void SavingsCalc::clearResults() {
    quickHelp_->clearResults();
}

void SavingsCalc::calculate() {
    state_.HelpShown = false;
    clearResults(); // with the help closed, this also takes back the results
    state_.EditStarted = false;

    const SavingsOutcome outcome = session_.calculate();
    showGrid(*gridModel_, outcome.grid);
    grid_->scrollToTop(); // a shorter table than the last must not open scrolled down to blanks
    if (outcome.message)
        showMessage(*outcome.message);
}

void SavingsCalc::showGraph() {
    if (const auto refusal = session_.graphRefusal()) {
        showMessage(*refusal);
        return;
    }
    state_.graph.GraphKind = graph::SavingsGraph;
    GraphsAll::openFrom(this, state_, services_);
}

void SavingsCalc::print(ReportDestination destination) {
    if (const auto refusal = session_.printRefusal()) {
        showMessage(*refusal);
        return;
    }
    printTextReport(
        this, state_, services_, report::SavingsReportName,
        [this](const report::ReportOptions& options) { return session_.printedReport(options); },
        destination);
}

void SavingsCalc::openYearlyCalculator() {
    YearSaveCalc dialog(state_, services_, this);
    connect(&dialog, &YearSaveCalc::annualAmountInserted, this,
            [this] { boxes_[AnnualAmountSlot]->setEditText(session_.boxText(AnnualAmountSlot)); });
    ModalLoop::exec(dialog);
    clearResults();
    state_.EditStarted = false;
}

void SavingsCalc::closeEvent(QCloseEvent* event) {
    state_.savings = SavingsState();
    state_.ScreenMode = PlannerView::None;
    state_.graph.ResultCount = 0;
    state_.graph.GraphKind = 0;
    state_.EditStarted = false;
    state_.HelpShown = false;
    event->accept();
}

} // namespace pennywell::ui
