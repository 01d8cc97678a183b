#include "core/budget/BudgetMessages.h"
#include "core/budget/BudgetPresenter.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"
#include "ui/budget/BudgetHalfLayout.h"
#include "ui/common/BusyCursor.h"
#include "ui/common/InputBox.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>

namespace pennywell::ui {

namespace messages = budget_messages;

void Budget::setChangeMode(Half& half, bool changing) {
    half.add->setVisible(!changing);
    half.whatIf->setVisible(!changing);
    half.remove->setVisible(!changing);
    half.addChanged->setVisible(changing);
    half.budgetedBox->setNext(changing ? half.addChanged : half.add);
    assignAltH();
}

void Budget::assignAltH() {
    // "Add C&hanged Record" and "Quick &Help" share Alt+H; while the expense side changes a
    // record the key adds it, and the help button keeps its caption but not the key.
    const bool expenseChanging = !expense_.addChanged->isHidden();
    help2_->setShortcut(expenseChanging ? QKeySequence() : QKeySequence::mnemonic(help2_->text()));
}

void Budget::whatIf(Half& half) {
    const int number =
        chooseExistingRecord(half, InRecNum::Purpose::Change, messages::NoRecordsToChange);
    if (number == 0)
        return;
    const BudgetRecord& record = tableOf(half).records[std::size_t(number - 1)];
    startChange(half, number, record.description, entryOfRecord(record));
}

void Budget::startChange(Half& half, int number, const QString& description,
                         const BudgetEntry& entry) {
    half.description->setText(description);
    half.entry = entry;
    half.amount->setText(budgetAmountBoxText(half.entry.amount));
    half.payments->setText(budgetPaymentsBoxText(half.entry.paymentsPerYear));
    half.budgeted->setText(budgetAmountBoxText(half.entry.budgeted));
    state_.EditStarted = false;
    tableOf(half).chosenRecord = number;
    setChangeMode(half, true);
}

void Budget::addChangedRecord(Half& half) {
    if (!editAccepted(changeBudgetRecord(tableOf(half), half.description->text(),
                                         half.payments->text(), half.entry)))
        return;
    focusSide_ = half.layout->side;
    {
        const BusyCursor busy;
        clearBoxes(half);
        refresh();
    }
    setChangeMode(half, false);
}

} // namespace pennywell::ui
