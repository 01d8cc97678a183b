#pragma once

#include "core/budget/BudgetRecord.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pennywell {

// A display period of the budget: what the annual figures are divided by, and its captions.
struct BudgetPeriod {
    QString listText; // the entry of "FreqPeriod", leading spaces included
    QString key;      // the command-line name (weekly, monthly, ...)
    int divisor = 1;
    QString incomeLabel;
    QString expenseLabel;
    QString name;

    QString netBalanceLabel() const { return name + QStringLiteral(" Net Balance"); }
    // What a screen reader calls the figures: "Total annual income, existing", "Total monthly
    // expenses, budgeted", "Annual net balance, existing".
    QString spokenTotal(BudgetSide side, bool budgeted) const;
    QString spokenNetBalance(bool budgeted) const;
};

// Weekly to annual, in list order.
const QList<BudgetPeriod>& budgetPeriods();
const BudgetPeriod& annualPeriod();
std::optional<BudgetPeriod> periodFromListText(const QString& listText);
std::optional<BudgetPeriod> periodFromKey(const QString& key);

// The four orders of "SortBy"; the numbers are the sort codes.
enum class BudgetSortOrder {
    NamesAscending = 1,
    NamesDescending,
    AmountsHighToLow,
    AmountsLowToHigh
};

struct BudgetSortChoice {
    QString listText;
    QString key;
    BudgetSortOrder order;
};

const QList<BudgetSortChoice>& budgetSortChoices();
std::optional<BudgetSortOrder> sortOrderFromListText(const QString& listText);
std::optional<BudgetSortOrder> sortOrderFromKey(const QString& key);

} // namespace pennywell
