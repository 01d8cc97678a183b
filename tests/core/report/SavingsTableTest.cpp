#include "core/report/SavingsTable.h"

#include "core/format/NumberFormat.h"
#include "core/savings/GrowthCalculator.h"
#include "core/savings/SavingsInputs.h"
#include "report/QStringPrinting.h"
#include "report/ReportTestPages.h"

#include <gtest/gtest.h>

using namespace pennywell;
using namespace pennywell::report;
using namespace pennywell::report::testing;

namespace {

const QString Headings =
    QStringLiteral(" Year        Annual Investment      Interest/Growth         Current Value");
const QString Rule = " " + QString(72, u'_');
const QRegularExpression YearRow(QStringLiteral("^ +\\d+ +[\\d,.]+ +[\\d,.]+ +[\\d,.]+$"));

struct Printed {
    SavingsState savings;
    PrintedReport report;
};

Printed printed(int years, int fontChoice = 0, const QString& header = "Adviser") {
    Printed p{openingSavingsState(), {}};
    p.savings.EntryValues[TermSlot] = Currency::fromUnits(years * Currency::UnitsPerWhole);
    const GrowthResult result = calculateGrowth(growthInputsFrom(p.savings));
    p.savings.growthTable = result.table;
    p.report = savingsTable(p.savings, result.resultCount, {header, PrinterFont(fontChoice), "$"});
    return p;
}

int firstYearOn(const QStringList& page) {
    for (const QString& line : page) {
        if (YearRow.match(line).hasMatch())
            return line.left(4).trimmed().toInt();
    }
    return 0;
}

} // namespace

TEST(SavingsTable, TwentyFiveYearsFitOnePageBelowTheInputs) {
    const Printed p = printed(25);
    ASSERT_EQ(p.report.pages.size(), 1);
    const QStringList& page = p.report.pages[0];
    EXPECT_EQ(page.mid(0, 7),
              (QStringList{"", " Adviser", "", "",
                           QString(24, u' ') + "Investment Growth Calculation", "", ""}));
    const QString lump = " Amount of Lump Sum Invested at Start";
    EXPECT_EQ(page[7], lump + QString(51 - lump.size(), u' ') + QString(10, u' ') + "$.00");
    EXPECT_EQ(page[9].right(14), "     $1,000.00");
    EXPECT_EQ(page[11].mid(51), QString(11, u' ') + ".00%");
    EXPECT_EQ(page[13].mid(51), QString(9, u' ') + "20.00%");
    EXPECT_EQ(page[15].mid(51), QString(12, u' ') + "25");
    EXPECT_EQ(page[20], Headings);
    EXPECT_EQ(page[21], Rule);
    EXPECT_EQ(countMatching(page, YearRow), 25);

    const GrowthRow& year1 = p.savings.growthTable[1];
    EXPECT_EQ(page[23], "   1" +
                            formatNumber(year1[2].toDouble(), u"###,###.00").rightJustified(26) +
                            formatNumber(year1[3].toDouble(), u"###,###.00").rightJustified(21) +
                            formatNumber(year1[4].toDouble(), u"###,###.00").rightJustified(22));
    const GrowthRow& totals = p.savings.growthTable[26];
    EXPECT_EQ(page.mid(page.size() - 3, 2), (QStringList{Rule, ""}));
    EXPECT_EQ(
        page.last(),
        " Total:" + ("$" + formatNumber(totals[2].toDouble(), u"####,,##0.00")).rightJustified(23) +
            ("$" + formatNumber(totals[3].toDouble(), u"####,,##0.00")).rightJustified(21) +
            ("$" + formatNumber(totals[4].toDouble(), u"####,,##0.00")).rightJustified(22));
}

TEST(SavingsTable, ThirtyYearsClosePageOneAfterYear28) {
    const Printed p = printed(30);
    ASSERT_EQ(p.report.pages.size(), 2);
    EXPECT_TRUE(pagesNumberedButTheLast(p.report));
    EXPECT_EQ(countMatching(p.report.pages[0], YearRow), 28);
    // Three blank lines, the headings and the rule open the next page.
    EXPECT_EQ(p.report.pages[1].mid(0, 7), (QStringList{"", "", "", "", Headings, Rule, ""}));
    EXPECT_EQ(firstYearOn(p.report.pages[1]), 29);
}

TEST(SavingsTable, AtFiftyOneLinesFiftyYearsCloseAfterYear26AndTheCountRestartsAtSix) {
    const Printed p = printed(50, 3);
    ASSERT_EQ(p.report.pages.size(), 2);
    EXPECT_EQ(countMatching(p.report.pages[0], YearRow), 26);
    EXPECT_EQ(firstYearOn(p.report.pages[1]), 27);

    // A longer table than the planner makes shows where the restarted count closes page two.
    const PrintedReport report = savingsTable(p.savings, 80, {"", PrinterFont::CourierNew12, "$"});
    ASSERT_EQ(report.pages.size(), 3);
    EXPECT_EQ(countMatching(report.pages[1], YearRow), 51 - 6);
    EXPECT_EQ(firstYearOn(report.pages[2]), 27 + 45);
    EXPECT_TRUE(pagesNumberedButTheLast(report));
}

TEST(SavingsTable, ATermThatFillsThePageMovesTheTotalsToTheNextPage) {
    const Printed p = printed(28);
    ASSERT_EQ(p.report.pages.size(), 2);
    EXPECT_TRUE(pagesNumberedButTheLast(p.report));
    const QStringList& second = p.report.pages[1];
    EXPECT_EQ(second.mid(0, 9), (QStringList{"", "", "", "", Headings, Rule, "", Rule, ""}));
    EXPECT_TRUE(second[9].startsWith(" Total:"));
    EXPECT_EQ(second.size(), 10);
}

TEST(SavingsTable, HeaderOneCancels) {
    EXPECT_TRUE(printed(25, 0, "1").report.pages.isEmpty());
}
