#include "core/budget/BudgetRecovery.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"
#include "ui/budget/BudgetHalfLayout.h"
#include "ui/common/Messenger.h"
#include "ui/common/Services.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSessionManager>
#include <QTimer>

namespace pennywell::ui {

void Budget::watchForRecovery() {
    recovery_ = new BudgetRecovery(
        state_.recoveryFolder, [this] { return unsavedWork(); }, this);
    // A change's own boxes are part of the copy; typing only starts the copy's timer.
    for (const Half* half : {&income_, &expense_})
        for (QLineEdit* box : {half->description, half->amount, half->payments, half->budgeted})
            connect(box, &QLineEdit::textChanged, recovery_, &BudgetRecovery::changed);
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (!sessionMayEnd(session.allowsInteraction()))
            session.cancel();
    });
    // Asked over the window, once it is on the screen.
    QTimer::singleShot(0, this, &Budget::offerRecovery);
}

BudgetWork Budget::unsavedWork() const {
    BudgetWork work;
    work.tables = document_.tables();
    work.period = periodFromListText(freqPeriod_->currentText()).value_or(annualPeriod());
    work.order =
        sortOrderFromListText(sortBy_->currentText()).value_or(BudgetSortOrder::NamesAscending);
    work.changed = document_.isChanged();
    for (const Half* half : {&income_, &expense_}) {
        const BudgetSide side = half->layout->side;
        const int record =
            (side == BudgetSide::Income ? document_.tables().income : document_.tables().expense)
                .chosenRecord;
        if (record != 0)
            work.pendingChanges.push_back({side, record, half->description->text(), half->entry});
    }
    return work;
}

void Budget::offerRecovery() {
    if (document_.changePending())
        return;
    const std::optional<RecoveryCopy> copy = recovery_->takeEarlierCopy();
    if (!copy)
        return;
    // No would remove the copy, so leaving the question without an answer restores it.
    const Message question{recoveryQuestion(*copy), RecoveryTitle, MessageButtons::YesNo,
                           MessageIcon::Question, MessageAnswer::Yes};
    if (services_.messenger.show(this, question) != MessageAnswer::Yes) {
        recovery_->discard();
        return;
    }
    recovery_->restoreTaken(*copy);
    restoreWork(copy->work);
}

void Budget::restoreWork(const BudgetWork& work) {
    document_.restore(work.tables, work.filePath);
    if (!work.filePath.isEmpty())
        currentFolder_ = QFileInfo(work.filePath).absolutePath();
    freqPeriod_->setCurrentText(work.period.listText);
    for (const BudgetSortChoice& choice : budgetSortChoices())
        if (choice.order == work.order)
            sortBy_->setCurrentText(choice.listText);
    refresh(); // the records are in the order shown already, so none moves
    for (const PendingBudgetChange& change : work.pendingChanges)
        startChange(change.side == BudgetSide::Income ? income_ : expense_, change.record,
                    change.description, change.entry);
}

bool Budget::sessionMayEnd(bool interactionAllowed) {
    if (!document_.holdsUnsavedRecords())
        return true;
    if (!interactionAllowed) {
        recovery_->keepForNextStart();
        return true;
    }
    if (userGoesBackToSave())
        return false;
    discardWork();
    close();
    return true;
}

} // namespace pennywell::ui
