#include "core/budget/BudgetPresenter.h"

#include "BudgetTestRecords.h"

#include <gtest/gtest.h>

using namespace pennywell;
using pennywell::testing::budgetRecord;

namespace {

BudgetView refreshed(BudgetTables& tables, const char* periodKey,
                     BudgetSortOrder order = BudgetSortOrder::NamesAscending) {
    return refreshBudget(tables, *periodFromKey(QString::fromLatin1(periodKey)), order,
                         QStringLiteral("$"));
}

} // namespace

TEST(BudgetPresenter, CellsAreDividedAndTotalsComeFromTheAnnualFigures) {
    BudgetTables tables;
    for (const char* name : {"Wages A", "Wages B", "Wages C"})
        tables.income.records.push_back(budgetRecord(name, 2600, 26, 2600));
    const BudgetView view = refreshed(tables, "monthly");

    ASSERT_EQ(view.income.rows.size(), 3u);
    EXPECT_EQ(view.income.rows[0], (BudgetRow{"1", "Wages A", "    216.67", "    216.67"}));
    // Three rounded cells would make 650.01; the annual sum divided makes 650.00.
    EXPECT_EQ(view.income.total, "      650.00");
    EXPECT_EQ(view.income.totalBudgeted, "      650.00");
    EXPECT_EQ(view.income.label, " Monthly income");
    EXPECT_EQ(view.expense.label, " Monthly expenses");
    EXPECT_EQ(view.netLabel, "Monthly Net Balance");
}

TEST(BudgetPresenter, NegativeNetBalanceIsRedInEveryPeriod) {
    BudgetTables tables;
    tables.income.records.push_back(budgetRecord("Pension", 1200, 12, 1800));
    tables.expense.records.push_back(budgetRecord("Rent", 1500, 12, 1500));

    BudgetView view = refreshed(tables, "annual");
    EXPECT_EQ(view.netBalance, "    $-300.00");
    EXPECT_TRUE(view.netBalanceRed);
    EXPECT_EQ(view.netBalanceBudgeted, "     $300.00");
    EXPECT_FALSE(view.netBalanceBudgetedRed);
    const QString noSymbol;
    EXPECT_EQ(
        refreshBudget(tables, annualPeriod(), BudgetSortOrder::NamesAscending, noSymbol).netBalance,
        "    $-300.00");

    view = refreshed(tables, "monthly");
    EXPECT_EQ(view.netBalance, "     $-25.00");
    EXPECT_TRUE(view.netBalanceRed);
}

TEST(BudgetPresenter, ABalanceThatRoundsToZeroIsShownPlainAndBlack) {
    BudgetTables tables;
    tables.income.records.push_back(budgetRecord("In", 100.001, 1));
    tables.expense.records.push_back(budgetRecord("Out", 100.004, 1));
    const BudgetView view = refreshed(tables, "annual");
    EXPECT_EQ(view.netBalance, "        $.00");
    EXPECT_FALSE(view.netBalanceRed);
}

TEST(BudgetPresenter, WideFiguresAreWholeInCellsAndTotals) {
    BudgetTables tables;
    tables.expense.records.push_back(budgetRecord("Mansion", 1000000, 1, 0));
    const BudgetView view = refreshed(tables, "annual");
    EXPECT_EQ(view.expense.rows[0][2], "1,000,000.00");
    EXPECT_EQ(view.expense.rows[0][3], "       .00"); // zero shows no digit before the point
    EXPECT_EQ(view.expense.total, "1,000,000.00");
}

TEST(BudgetPresenter, RoundingReadsFifteenDigitsThenHalvesAwayFromZero) {
    // 99.99 paid 26 times a year, shown quarterly: 649.935 in decimal, so 649.94.
    BudgetTables tables;
    tables.expense.records.push_back(budgetRecord("Phone", 99.99 * 26, 26, 0));
    EXPECT_EQ(refreshed(tables, "quarterly").expense.rows[0][2], "    649.94");
}

TEST(BudgetPresenter, PeriodsHaveTheirDivisorsAndLabels) {
    BudgetTables tables;
    tables.income.records.push_back(budgetRecord("Salary", 31200, 26, 31200));
    const BudgetView twoWeeks = refreshed(tables, "2weeks");
    EXPECT_EQ(twoWeeks.income.rows[0][2], "  1,200.00");
    EXPECT_EQ(twoWeeks.income.label, " 2 weeks income");
    EXPECT_EQ(twoWeeks.netLabel, "2 Weeks Net Balance");
    const BudgetView semiMonthly = refreshed(tables, "semimonthly");
    EXPECT_EQ(semiMonthly.income.rows[0][2], "  1,300.00");
    EXPECT_EQ(semiMonthly.expense.label, " Semi-monthly expenses");
    EXPECT_EQ(refreshed(tables, "weekly").income.total, "      600.00");
    EXPECT_EQ(refreshed(tables, "semiannual").netLabel, "Semi-annual Net Balance");
}

TEST(BudgetPresenter, RefreshSortsBothTables) {
    BudgetTables tables;
    tables.income.records = {budgetRecord("b", 1), budgetRecord("a", 2)};
    tables.expense.records = {budgetRecord("y", 1), budgetRecord("z", 2)};
    const BudgetView view = refreshed(tables, "annual", BudgetSortOrder::AmountsHighToLow);
    EXPECT_EQ(view.income.rows[0][1], "a");
    EXPECT_EQ(view.expense.rows[0][1], "z");
    EXPECT_EQ(tables.expense.records[0].number, 1);
    EXPECT_EQ(tables.expense.records[0].description, "z");
}

TEST(BudgetPresenter, BoxTexts) {
    EXPECT_EQ(budgetAmountBoxText(33.333333), "     33.33");
    EXPECT_EQ(budgetPaymentsBoxText(26), "      26");
    EXPECT_EQ(budgetPaymentsBoxText(0), "        ");
}
