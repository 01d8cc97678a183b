#pragma once

#include "core/budget/BudgetRecord.h"

#include <QString>

namespace pennywell {

// The committed values of one side's numeric boxes, per payment.
struct BudgetEntry {
    double amount = 0.0;
    double paymentsPerYear = 0.0;
    double budgeted = 0.0;
};

enum class BudgetEditOutcome { Done, MissingData, TooLarge, TableFull };

// Add: box 1 must hold a description and box 3 a number other than 0; the record is stored
// annualised at the end of the table (the refresh then sorts it into place).
BudgetEditOutcome addBudgetRecord(BudgetTable& table, const QString& descriptionText,
                                  const QString& paymentsText, const BudgetEntry& entry);

// What If?: the per-payment values a record was entered with, for the boxes and entries.
BudgetEntry entryOfRecord(const BudgetRecord& record);

bool budgetRecordExists(const BudgetTable& table, int number);

// Add Changed Record: stores into the pending record (table.chosenRecord) and ends the change.
BudgetEditOutcome changeBudgetRecord(BudgetTable& table, const QString& descriptionText,
                                     const QString& paymentsText, const BudgetEntry& entry);

// Removes the record and closes the gap; the others keep their order and are renumbered.
void deleteBudgetRecord(BudgetTable& table, int number);

} // namespace pennywell
