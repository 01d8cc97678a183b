#include "budget/BudgetPresenter.h"

#include "budget/BudgetSort.h"
#include "format/NumberFormat.h"
#include "format/RightAlign.h"

namespace pennywell {
namespace {

constexpr char16_t MoneyPattern[] = u"###,,###.00";
constexpr int CellWidth = 10;
constexpr int TotalWidth = 12;
constexpr int PaymentsBoxWidth = 8;

// A figure of a grid cell or a total: money pattern, cut when too wide.
QString cellText(double value) {
    return RightAlign(formatNumber(value, MoneyPattern), CellWidth);
}

QString totalText(double value) {
    return RightAlign(formatNumber(value, MoneyPattern), TotalWidth);
}

struct HalfTotals {
    double annual = 0.0;
    double annualBudgeted = 0.0;
};

HalfTotals presentHalf(const BudgetTable& table, const BudgetPeriod& period, const QString& label,
                       BudgetHalfView& view) {
    HalfTotals totals;
    view.rows.reserve(table.records.size());
    for (const BudgetRecord& record : table.records) {
        view.rows.push_back({QString::number(record.number), record.description,
                             cellText(record.annualAmount / period.divisor),
                             cellText(record.annualBudgeted / period.divisor)});
        totals.annual += record.annualAmount;
        totals.annualBudgeted += record.annualBudgeted;
    }
    view.label = label;
    view.total = totalText(totals.annual / period.divisor);
    view.totalBudgeted = totalText(totals.annualBudgeted / period.divisor);
    return totals;
}

// Red follows the shown figure: a balance that rounds to zero shows no minus and is black.
bool showsNegative(double value) {
    return formatNumber(value, MoneyPattern).startsWith(QLatin1Char('-'));
}

} // namespace

QString budgetAmountBoxText(double value) {
    return cellText(value);
}

QString budgetPaymentsBoxText(double value) {
    return RightAlign(formatNumber(value, u"##"), PaymentsBoxWidth);
}

BudgetView refreshBudget(BudgetTables& tables, const BudgetPeriod& period, BudgetSortOrder order,
                         const QString& currencySymbol) {
    sortBudgetTable(tables.income, order);
    sortBudgetTable(tables.expense, order);

    BudgetView view;
    const HalfTotals income = presentHalf(tables.income, period, period.incomeLabel, view.income);
    const HalfTotals expense =
        presentHalf(tables.expense, period, period.expenseLabel, view.expense);

    const double net = (income.annual - expense.annual) / period.divisor;
    const double netBudgeted = (income.annualBudgeted - expense.annualBudgeted) / period.divisor;
    const QString symbol = currencySymbol.isEmpty() ? QStringLiteral("$") : currencySymbol;
    view.netLabel = period.netBalanceLabel();
    view.netBalance = moneyText(symbol, net, MoneyPattern, TotalWidth);
    view.netBalanceBudgeted = moneyText(symbol, netBudgeted, MoneyPattern, TotalWidth);
    view.netBalanceRed = showsNegative(net);
    view.netBalanceBudgetedRed = showsNegative(netBudgeted);
    return view;
}

} // namespace pennywell
