#include "core/budget/BudgetPresenter.h"

#include "core/budget/BudgetSort.h"
#include "core/format/NumberFormat.h"
#include "core/format/RightAlign.h"

namespace pennywell {
namespace {

constexpr char16_t MoneyPattern[] = u"###,,###.00";
constexpr int CellWidth = 10;
constexpr int TotalWidth = 12;
constexpr int PaymentsBoxWidth = 8;

// A figure of a grid cell or a total: money pattern, right-aligned, whole when wider.
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

HalfTotals annualTotals(const BudgetTable& table) {
    HalfTotals totals;
    for (const BudgetRecord& record : table.records) {
        totals.annual += record.annualAmount;
        totals.annualBudgeted += record.annualBudgeted;
    }
    return totals;
}

void presentHalf(const BudgetTable& table, const BudgetPeriod& period, const QString& label,
                 double total, double totalBudgeted, BudgetHalfView& view) {
    view.rows.reserve(table.records.size());
    for (const BudgetRecord& record : table.records) {
        view.rows.push_back({QString::number(record.number), record.description,
                             cellText(record.annualAmount / period.divisor),
                             cellText(record.annualBudgeted / period.divisor)});
    }
    view.label = label;
    view.total = totalText(total);
    view.totalBudgeted = totalText(totalBudgeted);
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

BudgetFigures budgetFigures(const BudgetTables& tables, const BudgetPeriod& period) {
    const HalfTotals income = annualTotals(tables.income);
    const HalfTotals expense = annualTotals(tables.expense);
    const double divisor = period.divisor;
    return {income.annual / divisor,
            income.annualBudgeted / divisor,
            expense.annual / divisor,
            expense.annualBudgeted / divisor,
            (income.annual - expense.annual) / divisor,
            (income.annualBudgeted - expense.annualBudgeted) / divisor};
}

QString netBalanceSymbol(const QString& currencySymbol) {
    return currencySymbol.isEmpty() ? QStringLiteral("$") : currencySymbol;
}

BudgetView refreshBudget(BudgetTables& tables, const BudgetPeriod& period, BudgetSortOrder order,
                         const QString& currencySymbol) {
    sortBudgetTable(tables.income, order);
    sortBudgetTable(tables.expense, order);

    const BudgetFigures figures = budgetFigures(tables, period);
    BudgetView view;
    presentHalf(tables.income, period, period.incomeLabel, figures.income, figures.incomeBudgeted,
                view.income);
    presentHalf(tables.expense, period, period.expenseLabel, figures.expense,
                figures.expenseBudgeted, view.expense);

    const QString symbol = netBalanceSymbol(currencySymbol);
    view.netLabel = period.netBalanceLabel();
    view.netBalance = moneyText(symbol, figures.net, MoneyPattern, TotalWidth);
    view.netBalanceBudgeted = moneyText(symbol, figures.netBudgeted, MoneyPattern, TotalWidth);
    view.netBalanceRed = showsNegative(figures.net);
    view.netBalanceBudgetedRed = showsNegative(figures.netBudgeted);
    return view;
}

} // namespace pennywell
