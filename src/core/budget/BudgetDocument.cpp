#include "core/budget/BudgetDocument.h"

#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetMessages.h"
#include "core/report/BudgetStatement.h"

#include <QFileInfo>

namespace pennywell {

namespace messages = budget_messages;

bool BudgetDocument::hasRecords() const {
    return tables_.income.count() != 0 || tables_.expense.count() != 0;
}

bool BudgetDocument::changePending() const {
    return tables_.income.chosenRecord != 0 || tables_.expense.chosenRecord != 0;
}

bool BudgetDocument::holdsUnsavedRecords() const {
    return (changed_ || changePending()) && hasRecords();
}

BudgetSaveOutcome BudgetDocument::save(const QString& path) {
    BudgetSaveOutcome outcome;
    outcome.result = saveBudgetFile(path, tables_);
    if (outcome.result) {
        fileName_ = QFileInfo(path).fileName();
        changed_ = false;
        return outcome;
    }
    // The message names the form of a good name whatever went wrong, so the reason goes with
    // it: on its own line where the save refused to replace a file, else in its details.
    const QString text = withRefusalReason(messages::BadFilename, outcome.result);
    outcome.message = PlannerMessage{
        messages::SavingErrorTitle, text,
        text == messages::BadFilename ? saveProblemText(outcome.result.problem) : QString()};
    return outcome;
}

std::optional<PlannerMessage> BudgetDocument::load(const QString& path) {
    std::optional<BudgetTables> loaded = loadBudgetFile(path);
    if (!loaded) // the records on screen stay: a bad file never costs the user their work
        return PlannerMessage{messages::LoadFileTitle, messages::LoadFailed};
    tables_ = std::move(*loaded);
    fileName_ = QFileInfo(path).fileName();
    return std::nullopt;
}

void BudgetDocument::restore(BudgetTables tables, const QString& filePath) {
    tables_ = std::move(tables);
    fileName_ = filePath.isEmpty() ? QString() : QFileInfo(filePath).fileName();
}

std::optional<PlannerMessage> BudgetDocument::printRefusal() const {
    if (hasRecords())
        return std::nullopt;
    return PlannerMessage{messages::HelpTitle, report::BudgetNoDataText};
}

void BudgetDocument::discard() {
    tables_ = BudgetTables{};
    fileName_.clear();
    changed_ = false;
}

} // namespace pennywell
