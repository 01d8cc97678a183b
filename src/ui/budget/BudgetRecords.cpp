#include "core/budget/BudgetMessages.h"
#include "core/budget/BudgetPeriod.h"
#include "core/budget/BudgetPresenter.h"
#include "core/budget/BudgetRecovery.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"
#include "ui/budget/BudgetControls.h"
#include "ui/budget/BudgetGridModel.h"
#include "ui/budget/BudgetHalfLayout.h"
#include "ui/common/Colours.h"
#include "ui/common/Messenger.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/Services.h"
#include "ui/common/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace pennywell::ui {

namespace messages = budget_messages;

namespace {

constexpr int PromptTop = 5325;

} // namespace

BudgetTable& Budget::tableOf(const Half& half) {
    BudgetTables& tables = document_.tables();
    return half.layout->side == BudgetSide::Income ? tables.income : tables.expense;
}

void Budget::message(const QString& text, const QString& title) {
    services_.messenger.show(this, Message{text, title});
}

void Budget::message(const PlannerMessage& message) {
    services_.messenger.show(this, messageOf(message));
}

void Budget::clearBoxes(Half& half) {
    for (QLineEdit* box : {half.description, half.amount, half.payments, half.budgeted})
        box->clear();
    // An emptied box counts as 0, so no hidden figure of the last entry is added again.
    half.entry = BudgetEntry{};
}

bool Budget::editAccepted(BudgetEditOutcome outcome) {
    switch (outcome) {
    case BudgetEditOutcome::MissingData:
        message(messages::MissingData, messages::HelpTitle);
        return false;
    case BudgetEditOutcome::TooLarge:
        message(messages::WrongEntry, messages::EntryErrorLowerTitle);
        return false;
    case BudgetEditOutcome::TableFull:
        message(messages::TableFull, messages::EntryErrorTitle);
        return false;
    case BudgetEditOutcome::Done:
        break;
    }
    return true;
}

void Budget::addRecord(Half& half) {
    if (!editAccepted(addBudgetRecord(tableOf(half), half.description->text(),
                                      half.payments->text(), half.entry)))
        return;
    focusSide_ = half.layout->side;
    clearBoxes(half);
    refresh();
}

int Budget::promptRecordNumber(const Half& half, InRecNum::Purpose purpose) {
    InRecNum prompt(purpose, state_, services_.beeper, this);
    prompt.move(fromTwips(half.layout->promptLeft), fromTwips(PromptTop));
    ModalLoop::exec(prompt);
    return prompt.chosenRecord();
}

int Budget::chooseExistingRecord(Half& half, InRecNum::Purpose purpose, const QString& noRecords) {
    const BudgetTable& table = tableOf(half);
    if (table.count() == 0) {
        message(noRecords, messages::HelpTitle);
        return 0;
    }
    const int number = promptRecordNumber(half, purpose);
    if (number == 0)
        return 0;
    if (!budgetRecordExists(table, number)) {
        message(messages::RecordDoesNotExist, messages::HelpTitle);
        return 0;
    }
    return number;
}

void Budget::deleteRecord(Half& half) {
    const int number =
        chooseExistingRecord(half, InRecNum::Purpose::Delete, half.layout->noRecordsToDelete);
    if (number == 0)
        return;
    // The number is shown as a signed number is, with a space where a minus would stand.
    const Message confirmation{messages::DeleteQuestion + QLatin1Char(' ') +
                                   QString::number(number),
                               messages::HelpTitle, MessageButtons::OkCancel};
    if (services_.messenger.show(this, confirmation) != MessageAnswer::Ok)
        return;
    deleteBudgetRecord(tableOf(half), number);
    focusSide_ = half.layout->side;
    refresh();
}

void Budget::showHalf(Half& half, const BudgetHalfView& view) {
    half.model->showRecords(view.rows);
    half.totalsLabel->setText(view.label);
    half.total->setText(view.total);
    half.totalBudgeted->setText(view.totalBudgeted);
}

void Budget::nameFigures(const BudgetPeriod& period) {
    for (Half* half : {&income_, &expense_}) {
        const BudgetSide side = half->layout->side;
        half->total->setAccessibleName(period.spokenTotal(side, false));
        half->totalBudgeted->setAccessibleName(period.spokenTotal(side, true));
    }
    netBalance_->setAccessibleName(period.spokenNetBalance(false));
    netBalanceBudgeted_->setAccessibleName(period.spokenNetBalance(true));
}

void Budget::refresh() {
    const BudgetPeriod period =
        periodFromListText(freqPeriod_->currentText()).value_or(annualPeriod());
    const BudgetSortOrder order =
        sortOrderFromListText(sortBy_->currentText()).value_or(BudgetSortOrder::NamesAscending);
    const BudgetView view =
        refreshBudget(document_.tables(), period, order, state_.settings.CurrencySymbol);

    showHalf(income_, view.income);
    showHalf(expense_, view.expense);
    netLabel_->setText(view.netLabel);
    const auto showNet = [](QLabel* label, const QString& text, bool red) {
        label->setText(text);
        showAsTotal(label, red);
    };
    showNet(netBalance_, view.netBalance, view.netBalanceRed);
    showNet(netBalanceBudgeted_, view.netBalanceBudgeted, view.netBalanceBudgetedRed);
    nameFigures(period);

    (focusSide_ == BudgetSide::Income ? income_.description : expense_.description)->setFocus();
    focusSide_.reset();
    document_.markChanged();
    recovery_->changed();
}

void Budget::chooseListEntry() {
    if (document_.tables().income.count() != 0)
        refresh();
    if (document_.tables().expense.count() != 0)
        refresh();
}

} // namespace pennywell::ui
