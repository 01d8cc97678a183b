#pragma once

#include <QString>
#include <vector>

namespace pennywell {

// One income or expense record. Figures are held annualised so any display period is one
// division away; binary doubles, rounded only for display.
struct BudgetRecord {
    int number = 0; // position in its table, rewritten by every sort and delete
    QString description;
    double annualAmount = 0.0;
    double paymentsPerYear = 0.0; // never 0 for a stored record
    double annualBudgeted = 0.0;

    friend bool operator==(const BudgetRecord&, const BudgetRecord&) = default;
};

// The used slots of one table, in displayed order: records[i] is record number i + 1.
struct BudgetTable {
    static constexpr int MaximumRecords = 500;

    std::vector<BudgetRecord> records;
    // The record number held by a pending What If? change (0: none). The sort carries it
    // along, so the change is always stored into the record it was taken from.
    int chosenRecord = 0;

    int count() const { return int(records.size()); }
};

struct BudgetTables {
    BudgetTable income;
    BudgetTable expense;
};

// The largest annual figure a record may hold: even 500 of them sum to a finite total, so
// totals and net balances are always numbers.
inline constexpr double BudgetFigureLimit = 1e300;

enum class BudgetSide { Income, Expense };

} // namespace pennywell
