#include "core/budget/BudgetEditing.h"

#include "core/format/LeadingNumber.h"

#include <cmath>

namespace pennywell {
namespace {

// Why the boxes cannot make a record; Done when they can.
BudgetEditOutcome entryRefusal(const QString& descriptionText, const QString& paymentsText,
                               const BudgetEntry& entry) {
    // A negative count of payments can only be pasted; it is refused like 0, since a budget
    // file holding one could not be read back. The stored count is checked as well as the
    // box, so a record never gets a count other than the one the box shows.
    if (descriptionText.isEmpty() ||
        !(leadingNumber(paymentsText) > 0.0 && entry.paymentsPerYear > 0.0))
        return BudgetEditOutcome::MissingData;
    // Figures so large that the annual product overflows could not be shown or saved.
    if (!(std::fabs(entry.amount * entry.paymentsPerYear) <= BudgetFigureLimit &&
          std::fabs(entry.budgeted * entry.paymentsPerYear) <= BudgetFigureLimit))
        return BudgetEditOutcome::TooLarge;
    return BudgetEditOutcome::Done;
}

// A pasted quote or line break would end the description's field in the budget file and
// make it unreadable; the box refuses the quote key, this catches what bypasses it.
QString storableDescription(QString text) {
    text.remove(QLatin1Char('"'));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void fillRecord(BudgetRecord& record, const QString& descriptionText, const BudgetEntry& entry) {
    record.description = storableDescription(descriptionText);
    record.annualAmount = entry.amount * entry.paymentsPerYear;
    record.paymentsPerYear = entry.paymentsPerYear;
    record.annualBudgeted = entry.budgeted * entry.paymentsPerYear;
}

} // namespace

BudgetEditOutcome addBudgetRecord(BudgetTable& table, const QString& descriptionText,
                                  const QString& paymentsText, const BudgetEntry& entry) {
    if (const auto refusal = entryRefusal(descriptionText, paymentsText, entry);
        refusal != BudgetEditOutcome::Done)
        return refusal;
    if (table.count() >= BudgetTable::MaximumRecords)
        return BudgetEditOutcome::TableFull;
    BudgetRecord record;
    record.number = table.count() + 1;
    fillRecord(record, descriptionText, entry);
    table.records.push_back(record);
    return BudgetEditOutcome::Done;
}

BudgetEntry entryOfRecord(const BudgetRecord& record) {
    return {record.annualAmount / record.paymentsPerYear, record.paymentsPerYear,
            record.annualBudgeted / record.paymentsPerYear};
}

bool budgetRecordExists(const BudgetTable& table, int number) {
    return number >= 1 && number <= table.count();
}

BudgetEditOutcome changeBudgetRecord(BudgetTable& table, const QString& descriptionText,
                                     const QString& paymentsText, const BudgetEntry& entry) {
    if (const auto refusal = entryRefusal(descriptionText, paymentsText, entry);
        refusal != BudgetEditOutcome::Done)
        return refusal;
    if (budgetRecordExists(table, table.chosenRecord))
        fillRecord(table.records[std::size_t(table.chosenRecord - 1)], descriptionText, entry);
    table.chosenRecord = 0;
    return BudgetEditOutcome::Done;
}

void deleteBudgetRecord(BudgetTable& table, int number) {
    if (!budgetRecordExists(table, number))
        return;
    table.records.erase(table.records.begin() + (number - 1));
    for (int i = 0; i < table.count(); ++i)
        table.records[std::size_t(i)].number = i + 1;
}

} // namespace pennywell
