#include "core/report/BudgetStatement.h"

#include "budget/BudgetTestRecords.h"
#include "core/budget/BudgetPresenter.h"
#include "report/QStringPrinting.h"
#include "report/ReportTestPages.h"

#include <gtest/gtest.h>

using namespace pennywell;
using namespace pennywell::report;
using namespace pennywell::report::testing;
using pennywell::testing::budgetRecord;

namespace {

const QString Rule = " " + QString(52, u'_');
const QString IncomeHeading1 = " Description of the         Amount of        Amount";
const QRegularExpression RecordLine(QStringLiteral("^ Record \\d+ +[\\d,.]+ +[\\d,.]+$"));

BudgetTables incomeOnly(int records) {
    BudgetTables tables;
    for (int r = 1; r <= records; ++r)
        tables.income.records.push_back(budgetRecord(QString("Record %1").arg(r), 1200, 12, 1200));
    return tables;
}

PrintedReport printed(const BudgetTables& tables, const char* period = "annual",
                      const QString& header = "Family") {
    return budgetStatement(tables, *periodFromKey(period), {header, PrinterFont::Standard, "$"});
}

// The page on which a line starting with the text is printed, -1 when none.
int pageOf(const PrintedReport& report, const QString& start) {
    for (qsizetype page = 0; page < report.pages.size(); ++page) {
        for (const QString& line : report.pages[page]) {
            if (line.startsWith(start))
                return int(page);
        }
    }
    return -1;
}

} // namespace

TEST(BudgetStatement, LinesAndFiguresAreThoseOfTheScreenForThePeriod) {
    BudgetTables tables;
    for (const char* name : {"Wages A", "Wages B", "Wages C"})
        tables.income.records.push_back(budgetRecord(name, 2600, 26, 2600));
    tables.expense.records.push_back(budgetRecord("A rent longer than twenty", 7200, 12, 6000));
    const PrintedReport report = printed(tables, "monthly");
    BudgetTables shown = tables;
    const BudgetView view =
        refreshBudget(shown, *periodFromKey("monthly"), BudgetSortOrder::NamesAscending, "$");

    ASSERT_EQ(report.pages.size(), 1);
    const QStringList expected = {
        "",
        " Family",
        "",
        QString(31, u' ') + "BUDGET STATEMENT",
        "",
        " INCOME",
        " ______",
        "",
        IncomeHeading1,
        " source of income           payment          budgeted",
        Rule,
        "",
        " Wages A                       216.67          216.67",
        " Wages B                       216.67          216.67",
        " Wages C                       216.67          216.67",
        Rule,
        "",
        // Three rounded cells would add up to 650.01; the screen shows 650.00.
        " Monthly income               $650.00         $650.00",
        "",
        "",
        " EXPENSES",
        " ________",
        "",
        " Description of the         Amount of        Amount",
        " purpose for expense        expense          budgeted",
        Rule,
        "",
        " A rent longer than t          600.00          500.00",
        Rule,
        "",
        " Monthly expenses             $600.00         $500.00",
        "",
        "",
        QString(21, u' ') + "Monthly Net Balance",
        QString(17, u' ') + "Existing" + QString(12, u' ') + "Budgeted",
        "                   $50.00             $150.00",
    };
    EXPECT_EQ(report.pages[0], expected);
    EXPECT_EQ(view.income.total.trimmed(), "650.00");
    EXPECT_EQ(view.netBalance.trimmed(), "$50.00");
}

TEST(BudgetStatement, SemiAnnualFiguresAreHalfTheAnnualOnes) {
    const PrintedReport report = printed(incomeOnly(1), "semiannual");
    EXPECT_EQ(report.pages[0][12], " Record 1                      600.00          600.00");
    EXPECT_EQ(report.pages[0][15], " Semi-annual income           $600.00         $600.00");
}

TEST(BudgetStatement, TheFortySecondIncomeRecordClosesTheFirstPage) {
    const PrintedReport report = printed(incomeOnly(60));
    ASSERT_EQ(report.pages.size(), 2);
    EXPECT_TRUE(pagesNumberedButTheLast(report));
    const QStringList& first = report.pages[0];
    EXPECT_EQ(countMatching(first, RecordLine), 42);
    EXPECT_TRUE(first[first.size() - 4].startsWith(" Record 42 "));
    // The next page continues under the income headings.
    EXPECT_EQ(report.pages[1].mid(0, 7),
              (QStringList{"", "", "", IncomeHeading1,
                           " source of income           payment          budgeted", Rule, ""}));
    EXPECT_TRUE(report.pages[1][7].startsWith(" Record 43 "));
}

TEST(BudgetStatement, TotalsMoveToTheNextPageWhenTheyWouldStartInTheLastThreeLines) {
    // 39 records bring the count to 50: 50 + 3 reaches 53 and the totals move.
    const PrintedReport moved = printed(incomeOnly(39));
    EXPECT_EQ(pageOf(moved, " Annual income"), 1);
    EXPECT_EQ(moved.pages[1].mid(0, 3), (QStringList{"", Rule, ""}));
    EXPECT_TRUE(pagesNumberedButTheLast(moved));

    const PrintedReport stays = printed(incomeOnly(38));
    EXPECT_EQ(pageOf(stays, " Annual income"), 0);
}

TEST(BudgetStatement, ExpenseHeadingBlockOfNineMovesAtLinesPerPageMinusNine) {
    // 30 records leave the count at 44 (53 - 9) after the income totals: the block moves.
    const PrintedReport moved = printed(incomeOnly(30));
    EXPECT_EQ(pageOf(moved, " Annual income"), 0);
    EXPECT_EQ(pageOf(moved, " EXPENSES"), 1);
    EXPECT_EQ(moved.pages[1].mid(0, 4), (QStringList{"", "", "", " EXPENSES"}));

    const PrintedReport stays = printed(incomeOnly(29)); // 43 = 53 - 10
    EXPECT_EQ(pageOf(stays, " EXPENSES"), 0);
}

TEST(BudgetStatement, NetBalanceBlockMovesWhenItWouldReachThePageEnd) {
    // 22 records: 48 lines before the net balances, 48 + 5 reaches 53.
    const PrintedReport moved = printed(incomeOnly(22));
    EXPECT_EQ(pageOf(moved, " Annual expenses"), 0);
    EXPECT_EQ(pageOf(moved, QString(21, u' ') + "Annual Net Balance"), 1);
    EXPECT_EQ(moved.pages[1].mid(0, 3), (QStringList{"", "", ""}));

    const PrintedReport stays = printed(incomeOnly(21));
    EXPECT_EQ(stays.pages.size(), 1);
}

TEST(BudgetStatement, HeaderOneCancels) {
    EXPECT_TRUE(printed(incomeOnly(3), "annual", "1").pages.isEmpty());
}
