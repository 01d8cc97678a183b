#pragma once

#include "core/budget/BudgetPeriod.h"
#include "core/budget/BudgetRecord.h"

#include <QString>
#include <array>
#include <vector>

namespace pennywell {

// One grid row as shown: "No.", description, amount and budgeted amount for the period.
using BudgetRow = std::array<QString, 4>;

struct BudgetHalfView {
    std::vector<BudgetRow> rows; // records 1..count
    QString label;               // "Label3" / "Label4"
    QString total;               // "TotInc" / "TotExp"
    QString totalBudgeted;       // "TotIncBgt" / "TotExpBgt"
};

struct BudgetView {
    BudgetHalfView income;
    BudgetHalfView expense;
    QString netLabel;           // "Label7"
    QString netBalance;         // "NetBalance"
    QString netBalanceBudgeted; // "NetBalanceBgt"
    bool netBalanceRed = false;
    bool netBalanceBudgetedRed = false;
};

// The totals and net balances for the period as figures: sums of the undivided annual
// figures, divided once.
struct BudgetFigures {
    double income = 0.0;
    double incomeBudgeted = 0.0;
    double expense = 0.0;
    double expenseBudgeted = 0.0;
    double net = 0.0;
    double netBudgeted = 0.0;
};
BudgetFigures budgetFigures(const BudgetTables& tables, const BudgetPeriod& period);

// The symbol in front of the net balances: "$" when the user's currency symbol is empty.
QString netBalanceSymbol(const QString& currencySymbol);

// The refresh: sorts both tables into the chosen order and turns them into the texts of
// both halves and the net balance for the period. Totals are summed from the undivided
// annual figures, never from the rounded cells. The net balance shows "$" when the user's
// currency symbol is empty.
BudgetView refreshBudget(BudgetTables& tables, const BudgetPeriod& period, BudgetSortOrder order,
                         const QString& currencySymbol);

// The numeric input boxes: amounts in the money pattern in 10 characters, payments per year
// as a whole number in 8.
QString budgetAmountBoxText(double value);
QString budgetPaymentsBoxText(double value);

} // namespace pennywell
