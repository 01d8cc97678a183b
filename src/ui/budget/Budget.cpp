#include "ui/budget/Budget.h"

#include "core/budget/BudgetHelpText.h"
#include "core/budget/BudgetMessages.h"
#include "core/budget/BudgetPeriod.h"
#include "core/budget/BudgetPresenter.h"
#include "core/budget/BudgetTexts.h"
#include "core/budget/DescriptionLength.h"
#include "core/format/LeadingNumber.h"
#include "core/report/BudgetStatement.h"
#include "core/state/AppState.h"
#include "core/state/ProgramFolder.h"
#include "ui/budget/BudgetControls.h"
#include "ui/budget/BudgetGridModel.h"
#include "ui/budget/BudgetHalfLayout.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Beeper.h"
#include "ui/common/Fonts.h"
#include "ui/common/GridActions.h"
#include "ui/common/GridColumns.h"
#include "ui/common/HelpPanel.h"
#include "ui/common/InputBox.h"
#include "ui/common/Messenger.h"
#include "ui/common/ResizableForm.h"
#include "ui/common/Services.h"
#include "ui/common/Twips.h"
#include "ui/common/WholeText.h"
#include "ui/common/WindowPlacement.h"
#include "ui/printing/ReportPrinting.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <array>

namespace pennywell::ui {

namespace messages = budget_messages;
namespace texts = budget_texts;
using namespace budget_controls;

namespace {

// The standard handle is almost as light as the cells and its groove is shaded, so a grid at
// its top looked scrolled to the bottom; a dark handle on a light groove reads the right way.
const QString ScrollBarStyle = QStringLiteral(
    "QScrollBar:vertical { background: #f4f4f4; width: 16px; margin: 16px 0 16px 0; }"
    "QScrollBar::handle:vertical { background: #a8a8a8; min-height: 16px; margin: 1px;"
    " border-radius: 3px; }"
    "QScrollBar::add-line:vertical { height: 16px; subcontrol-position: bottom;"
    " subcontrol-origin: margin; }"
    "QScrollBar::sub-line:vertical { height: 16px; subcontrol-position: top;"
    " subcontrol-origin: margin; }");

// The four columns fill the grid beside its scroll bar. In the narrow face at 9 points a figure
// column holds "99,999,999.99" (every per-period figure below a hundred million) and the
// description column the descriptions of a household budget; a wider figure widens its
// column and the description gives way.
constexpr int GridColumnWidths[4] = {450, 1500, 1080, 1080};
constexpr int DescriptionColumn = 1;
constexpr int GridFontPointSize = 9;

// Leaving a numeric box stores the leading number of its text and shows it formatted.
std::function<QString(const QString&)> storesEntry(double& entryValue, QString (*boxText)(double)) {
    return [&entryValue, boxText](const QString& text) {
        entryValue = leadingNumber(text);
        return boxText(entryValue);
    };
}

const BudgetHalfLayout IncomeHalf{
    .side = BudgetSide::Income,
    .frameLeft = 75,
    .promptLeft = 1260,
    .noRecordsToDelete = messages::NoIncomeToDelete,
    .frame = {"Frame2", messages::IncomeCaption},
    .description = {"InIncDesc", texts::IncomeDescriptionLabel},
    .amount = {"InIncAmt", texts::IncomeAmountLabel},
    .payments = "InIncFreq",
    .budgeted = "InIncBgtAmt",
    .add = {"AddIncome1", texts::IncomeAddCaption},
    .whatIf = {"CorrectRec1", texts::IncomeWhatIfCaption},
    .remove = {"DelRecord1", texts::IncomeDeleteCaption},
    .addChanged = {"AddCorRec1", texts::IncomeAddChangedCaption},
    .grid = {"BGrid1", messages::IncomeHeading},
    .totalsLabel = {"Label3", texts::IncomeTotalsLabel},
    .total = "TotInc",
    .totalBudgeted = "TotIncBgt",
};

const BudgetHalfLayout ExpenseHalf{
    .side = BudgetSide::Expense,
    .frameLeft = 4785,
    .promptLeft = 6300,
    .noRecordsToDelete = messages::NoExpenseToDelete,
    .frame = {"Frame1", messages::ExpenseCaption},
    .description = {"InExpDesc", texts::ExpenseDescriptionLabel},
    .amount = {"InExpAmt", texts::ExpenseAmountLabel},
    .payments = "InExpFreq",
    .budgeted = "InExpBgtAmt",
    .add = {"AddExpense2", texts::ExpenseAddCaption},
    .whatIf = {"CorrectRec2", texts::ExpenseWhatIfCaption},
    .remove = {"DelRecord2", texts::ExpenseDeleteCaption},
    .addChanged = {"AddCorRec2", texts::ExpenseAddChangedCaption},
    .grid = {"BGrid2", messages::ExpenseHeading},
    .totalsLabel = {"Label4", texts::ExpenseTotalsLabel},
    .total = "TotExp",
    .totalBudgeted = "TotExpBgt",
};

} // namespace

Budget::Budget(AppState& state, Services& services, QWidget* parent)
    : QWidget(parent), state_(state), services_(services),
      currentFolder_(budgetDialogFolder(state.programFolder, state.budgetFolders)) {
    setObjectName(QStringLiteral("Budget"));
    setWindowTitle(texts::WindowCaption);
    setAccessibleDescription(texts::WindowDescription);

    buildHalf(income_, IncomeHalf);
    buildHalf(expense_, ExpenseHalf);
    buildCommonControls();
    watchForRecovery();
    makeResizable();
    setAcceptDrops(true);
}

void Budget::makeResizable() {
    // The two halves share the gained width; the controls below the grids stay at the bottom.
    auto* form = new ResizableForm(this, mainWindowSize());
    for (const Half* half : {&income_, &expense_}) {
        QWidget* frame = half->grid->parentWidget();
        const bool right = half == &expense_;
        form->follow(frame, Growth{right ? 0.5 : 0.0, 0.5, 0, 1});
        form->follow(half->grid, Growth{0, 0.5, 0, 1});
        form->followAllBelow(frame, half->grid->geometry().bottom(), StaysAtBottom);
    }
    form->followAllBelow(this, income_.grid->parentWidget()->geometry().bottom(), StaysAtBottom);
    form->follow(helpTxt_, TakesAllRoom);
}

void Budget::buildHalf(Half& half, const BudgetHalfLayout& layout) {
    half.layout = &layout;
    auto* frame = new QGroupBox(layout.frame.caption, this);
    frame->setObjectName(QString::fromLatin1(layout.frame.name));
    frame->setGeometry(twipsRect(layout.frameLeft, 30, 4620, 4830));

    addEntryBoxes(frame, half);
    half.add = addButton(frame, layout.add, twipsRect(120, 1530, 1380, 375));
    half.whatIf = addButton(frame, layout.whatIf, twipsRect(1560, 1530, 1440, 375));
    half.remove = addButton(frame, layout.remove, twipsRect(3060, 1530, 1440, 375));
    half.addChanged = addButton(frame, layout.addChanged, twipsRect(120, 1530, 4380, 375));
    half.addChanged->hide();
    addGrid(frame, half);

    half.totalsLabel = addLabel(frame, layout.totalsLabel.name, layout.totalsLabel.caption,
                                twipsRect(120, 4395, 1380, 390));
    half.totalsLabel->setWordWrap(true);
    half.total = addResult(frame, layout.total, twipsRect(1530, 4410, 1470, 330));
    half.totalBudgeted = addResult(frame, layout.totalBudgeted, twipsRect(3030, 4410, 1470, 330));
    labelledBy(half.total, {half.totalsLabel});
    labelledBy(half.totalBudgeted, {half.totalsLabel});

    attachBoxes(half);
    connectHalf(half);
}

void Budget::addEntryBoxes(QWidget* frame, Half& half) {
    const BudgetHalfLayout& layout = *half.layout;
    QLabel* descriptionLabel =
        addLabel(frame, "", layout.description.caption, twipsRect(120, 255, 4380, 240));
    half.description =
        addBox(frame, layout.description.name, twipsRect(120, 495, 4380, 330), false);
    half.description->setMaxLength(MaximumDescriptionLength);
    QLabel* amountLabel =
        addLabel(frame, "", layout.amount.caption, twipsRect(120, 870, 1560, 240));
    QLabel* paymentsLabel =
        addLabel(frame, "", texts::PaymentsLabel, twipsRect(1680, 870, 1440, 240));
    QLabel* budgetedLabel =
        addLabel(frame, "", texts::BudgetedLabel, twipsRect(3120, 870, 1380, 240));
    half.amount = addBox(frame, layout.amount.name, twipsRect(120, 1110, 1380, 330), true);
    half.payments = addBox(frame, layout.payments, twipsRect(1680, 1110, 1080, 330), true);
    half.budgeted = addBox(frame, layout.budgeted, twipsRect(3120, 1110, 1380, 330), true);
    nameAfterLabel(half.description, descriptionLabel);
    nameAfterLabel(half.amount, amountLabel);
    nameAfterLabel(half.payments, paymentsLabel);
    nameAfterLabel(half.budgeted, budgetedLabel);
    // The messages speak of the boxes by number ("Boxes 1 and 3 must have data.").
    const std::array boxes{half.description, half.amount, half.payments, half.budgeted};
    for (int index = 0; index < int(boxes.size()); ++index)
        boxes[index]->setAccessibleDescription(QStringLiteral("box %1").arg(index + 1));
}

void Budget::addGrid(QWidget* frame, Half& half) {
    const BudgetHalfLayout& layout = *half.layout;
    half.model = new BudgetGridModel(layout.grid.caption, this);
    half.grid = new QTableView(frame);
    half.grid->setObjectName(QString::fromLatin1(layout.grid.name));
    half.grid->setModel(half.model);
    nameAfterCaption(half.grid, layout.frame.caption);
    half.grid->setFont(narrowFont(GridFontPointSize));
    half.grid->setGeometry(twipsRect(120, 1980, 4380, 2370));
    half.grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    half.grid->setTabKeyNavigation(false); // Tab moves on to the next control; arrows move inside
    half.grid->setWordWrap(false);
    // Figures always fit their columns; a description too long for its column ends in an
    // ellipsis and shows whole as its tooltip.
    half.grid->setTextElideMode(Qt::ElideRight);
    half.grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    half.grid->verticalScrollBar()->setStyleSheet(ScrollBarStyle);
    half.grid->verticalHeader()->hide();
    half.grid->verticalHeader()->setMinimumSectionSize(fromTwips(240));
    half.grid->verticalHeader()->setDefaultSectionSize(fromTwips(240));
    QHeaderView* columns = half.grid->horizontalHeader();
    columns->setFont(font());
    columns->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < 4; ++column)
        columns->resizeSection(column, fromTwips(GridColumnWidths[column]));
    keepCellsWhole(half.grid, DescriptionColumn);
    shareGainedWidth(half.grid, DescriptionColumn); // more of each description shows
    attachGridActions(half.grid, services_,
                      {layout.frame.caption.trimmed(), &state_.settings.CurrencySymbol,
                       [this] { printStatement(ReportDestination::PdfFile); }});
}

void Budget::attachBoxes(Half& half) {
    const bool income = half.layout->side == BudgetSide::Income;
    Beeper& beeper = services_.beeper;

    InputBoxRules descriptionRules;
    descriptionRules.droppedKeys = QStringLiteral("\"");
    descriptionRules.emptiesOnFirstKey = false;
    descriptionRules.freeText = true;
    descriptionRules.commitsWithoutEdit = true; // leaving it only resets the edited flag
    InputBox::attach(half.description, state_, std::move(descriptionRules))->setNext(half.amount);

    InputBoxRules amountRules;
    amountRules.filter = amountKeyFilter(beeper);
    amountRules.onLeave = storesEntry(half.entry.amount, budgetAmountBoxText);
    InputBox::attach(half.amount, state_, std::move(amountRules))->setNext(half.payments);

    InputBoxRules paymentsRules;
    if (income) {
        paymentsRules.filter = amountKeyFilter(beeper);
    } else {
        // Both filters in turn: a refused key beeps in each, a point only in the second.
        paymentsRules.filter = [amount = amountKeyFilter(beeper), digits = digitKeyFilter(beeper)](
                                   int keyCode) { return digits(amount(keyCode)); };
    }
    paymentsRules.onLeave = storesEntry(half.entry.paymentsPerYear, budgetPaymentsBoxText);
    InputBox::attach(half.payments, state_, std::move(paymentsRules))->setNext(half.budgeted);

    InputBoxRules budgetedRules;
    budgetedRules.filter = income ? amountKeyFilter(beeper) : anyNumberKeyFilter();
    budgetedRules.onLeave = storesEntry(half.entry.budgeted, budgetAmountBoxText);
    half.budgetedBox = InputBox::attach(half.budgeted, state_, std::move(budgetedRules));
    half.budgetedBox->setNext(half.add);
}

void Budget::buildCommonControls() {
    QStringList periods;
    for (const BudgetPeriod& period : budgetPeriods())
        periods.append(period.listText);
    QStringList orders;
    for (const BudgetSortChoice& choice : budgetSortChoices())
        orders.append(choice.listText);

    QLabel* periodLabel = addLabel(this, "", texts::PeriodLabel, twipsRect(60, 4995, 1260, 240));
    freqPeriod_ = addList(this, "FreqPeriod", periods, twipsRect(1320, 4935, 1920, 360));
    nameAfterLabel(freqPeriod_, periodLabel);
    freqPeriod_->setCurrentText(annualPeriod().listText);
    QLabel* sortLabel = addLabel(this, "", texts::SortLabel, twipsRect(3300, 4995, 780, 240));
    sortBy_ = addList(this, "SortBy", orders, twipsRect(4080, 4935, 2040, 360));
    nameAfterLabel(sortBy_, sortLabel);
    for (QComboBox* list : {freqPeriod_, sortBy_}) {
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this, &Budget::chooseListEntry);
    }

    QLabel* existing =
        addLabel(this, "Label16", messages::ExistingHeading, twipsRect(6180, 4995, 1500, 240));
    existing->setAlignment(Qt::AlignCenter);
    QLabel* budgeted =
        addLabel(this, "Label15", messages::BudgetedHeading, twipsRect(7860, 4995, 1500, 240));
    budgeted->setAlignment(Qt::AlignCenter);
    netLabel_ = addLabel(this, "Label7", texts::NetBalanceLabel, twipsRect(3000, 5370, 3060, 300));
    netLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    netBalance_ = addResult(this, "NetBalance", twipsRect(6180, 5340, 1500, 360));
    netBalanceBudgeted_ = addResult(this, "NetBalanceBgt", twipsRect(7860, 5340, 1500, 360));
    labelledBy(netBalance_, {netLabel_, existing});
    labelledBy(netBalanceBudgeted_, {netLabel_, budgeted});
    nameFigures(annualPeriod());

    QPushButton* open =
        addButton(this, {"FilOpen", texts::OpenFileCaption}, twipsRect(90, 5835, 1740, 420));
    QPushButton* save =
        addButton(this, {"FilSave", texts::SaveFileCaption}, twipsRect(1935, 5835, 1740, 420));
    QPushButton* print =
        addButton(this, {"Ptr2", ToPrinterCaption}, twipsRect(3780, 5835, 1740, 420));
    help2_ = addButton(this, {"Help2", QuickHelpCaption}, twipsRect(5625, 5835, 1740, 420));
    QPushButton* exit =
        addButton(this, {"ExitBudget", ExitToMenuCaption}, twipsRect(7470, 5835, 1860, 420));
    connect(open, &QPushButton::clicked, this, &Budget::openFile);
    connect(save, &QPushButton::clicked, this, &Budget::saveFile);
    connect(print, &QPushButton::clicked, this, [this] { printStatement(); });
    connect(help2_, &QPushButton::clicked, this, &Budget::toggleHelp);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    helpTxt_ = new HelpPanel(services_.beeper, this);
    helpTxt_->setObjectName(QStringLiteral("HelpTxt"));
    nameAfterCaption(helpTxt_, QuickHelpCaption);
    helpTxt_->setGeometry(twipsRect(75, 1980, 9330, 2880));
    helpTxt_->hide();
}

void Budget::connectHalf(Half& half) {
    connect(half.add, &QPushButton::clicked, this, [this, &half] { addRecord(half); });
    connect(half.whatIf, &QPushButton::clicked, this, [this, &half] { whatIf(half); });
    connect(half.remove, &QPushButton::clicked, this, [this, &half] { deleteRecord(half); });
    connect(half.addChanged, &QPushButton::clicked, this,
            [this, &half] { addChangedRecord(half); });
}

void Budget::printStatement(ReportDestination destination) {
    if (const auto refusal = document_.printRefusal()) {
        message(*refusal);
        return;
    }
    // The tables are kept in the order on screen; the period is the one shown.
    const BudgetPeriod period =
        periodFromListText(freqPeriod_->currentText()).value_or(annualPeriod());
    printTextReport(
        this, state_, services_, report::BudgetReportName,
        [this, &period](const report::ReportOptions& options) {
            return report::budgetStatement(document_.tables(), period, options);
        },
        destination);
}

void Budget::toggleHelp() {
    if (help2_->text() == QuickHelpCaption) {
        helpTxt_->show();
        helpTxt_->raise();
        help2_->setText(CloseHelpCaption);
        helpTxt_->setFocus();
    } else {
        helpTxt_->hide();
        help2_->setText(QuickHelpCaption);
    }
    assignAltH(); // a new caption takes its mnemonic again
    helpTxt_->setPlainText(budgetHelpText());
}

bool Budget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keys that type nothing (arrows, page keys, F4, Alt+Down) work the list as usual, an arrow
    // choosing the next entry while the list is closed; typing into it is refused.
    const bool isTab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (key->text().isEmpty() || isTab)
        return false;
    services_.beeper.beep();
    return true;
}

} // namespace pennywell::ui
