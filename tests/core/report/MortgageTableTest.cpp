#include "core/report/MortgageTable.h"

#include "core/format/NumberFormat.h"
#include "core/mortgage/MortgageEngine.h"
#include "mortgage/MortgageTestInputs.h"
#include "report/ReportTestPages.h"

#include <gtest/gtest.h>

using namespace pennywell;
using namespace pennywell::mortgage;
using namespace pennywell::mortgage::testing;
using namespace pennywell::report;
using namespace pennywell::report::testing;

namespace {

const QRegularExpression
    AllRow(QStringLiteral("^ {1,4}\\d+ {1,3}\\d+ +[\\d,.]+ +[\\d,.]+ +[\\d,.]+"));
const QRegularExpression AnnualRow(QStringLiteral("^ +\\d+ +[\\d,.]+ +[\\d,.]+ +[\\d,.]+ +"));
const QString ExtrasHeading = QStringLiteral(" Additional  Payments     Applied");

struct Printed {
    MortgageResult result;
    PrintedReport report;
};

Printed printed(const MortgageInputs& in, int fontChoice = 0, const QString& header = "Bank") {
    Printed p;
    p.result = calculateMortgage(in);
    p.report =
        mortgageTable(in, p.result, {header, PrinterFont(fontChoice), "$"}, {QLocale::c(), true});
    return p;
}

MortgageInputs twentyFiveYears(View view) {
    return inputs(100000, 10.125, 25, Semiannual, PayMonthly, view);
}

int rowsOn(const QStringList& page, const QRegularExpression& row) {
    return countMatching(page, row);
}

} // namespace

TEST(MortgageTable, AllViewFillsPageOneWith29RowsThen46AndNumbersEveryPageButTheLast) {
    const Printed p = printed(twentyFiveYears(View::All));
    const auto& pages = p.report.pages;

    ASSERT_EQ(pages.size(), 7);
    EXPECT_TRUE(pagesNumberedButTheLast(p.report));
    EXPECT_EQ(pages[0].size(), 56) << "24 header lines, 29 rows, the page number block";
    EXPECT_EQ(rowsOn(pages[0], AllRow), 29);
    for (int page = 1; page < 6; ++page)
        EXPECT_EQ(rowsOn(pages[page], AllRow), 46) << page;
    EXPECT_EQ(rowsOn(pages[6], AllRow), 300 - 29 - 5 * 46);

    // The continuation heading repeats the column headings, but not the typed header.
    EXPECT_EQ(pages[1].mid(0, 6),
              (QStringList{"", "",
                           "  Payment    Interest   Principal     Remaining    Cumulative     "
                           "Cumulative",
                           " No. Year     Payment     Payment       Balance      Interest      "
                           "Principal",
                           " " + QString(75, u'_'), ""}));
    EXPECT_TRUE(pages[1][6].startsWith("   30  3 "));
    EXPECT_FALSE(pages[1].contains(" Bank"));
}

TEST(MortgageTable, HeaderBlockPlacesInputsAndResultsAtTheirColumns) {
    const Printed p = printed(twentyFiveYears(View::All));
    const QStringList& page = p.report.pages[0];
    const MortgageBoxes boxes = boxTexts(p.result, "$");

    EXPECT_EQ(page.mid(0, 5), (QStringList{"", " Bank", "", QString(31, u' ') + " Mortgage Table",
                                           " " + QString(75, u'_')}));
    EXPECT_EQ(page[10], QString(" $100,000.00") + "    10.125%" + "       25" + QString(13, u' ') +
                            "Semiannual" + QString(14, u' ') + "Monthly");
    EXPECT_EQ(page[17].left(8), " Normal ");
    EXPECT_EQ(page[17].mid(39, 10), boxes.InMonthPI.right(10));
    EXPECT_EQ(page[17].mid(52, 12), boxes.AllPayments.right(12));
    EXPECT_EQ(page[21], " No. Year     Payment     Payment       Balance      Interest      "
                        "Principal");
    // The first row follows the 24 lines of the page's head.
    EXPECT_TRUE(AllRow.match(page[24]).hasMatch()) << page[24].toStdString();
    EXPECT_TRUE(page[24].startsWith("    1  1 "));
}

TEST(MortgageTable, AnnualTwentyFiveYearsPrintsOnOnePageWithTheTotals) {
    const Printed p = printed(twentyFiveYears(View::Annual));
    ASSERT_EQ(p.report.pages.size(), 1);
    const QStringList& page = p.report.pages[0];
    EXPECT_EQ(rowsOn(page, AnnualRow), 25);
    EXPECT_TRUE(page[24].startsWith("     1 "));
    EXPECT_TRUE(page[48].startsWith("    25 "));

    const PayRow& last = p.result.PayTable[25];
    EXPECT_EQ(page[49], " " + QString(75, u'_'));
    EXPECT_EQ(page[51].left(7), " Total:");
    EXPECT_EQ(page[51].mid(64).trimmed(),
              "$" + formatNumber(last.cumulativePrincipal.toDouble(), u"####,,###.00"));
    EXPECT_EQ(page.size(), 52);
}

TEST(MortgageTable, EveryFontChoiceBreaksAtItsLinesPerPage) {
    for (int choice = 0; choice < 4; ++choice) {
        const Printed p = printed(twentyFiveYears(View::All), choice);
        const int perPage = linesPerPage(PrinterFont(choice));
        EXPECT_EQ(rowsOn(p.report.pages[0], AllRow), perPage - 24) << choice;
        EXPECT_EQ(rowsOn(p.report.pages[1], AllRow), perPage - 7) << choice;
        EXPECT_TRUE(pagesNumberedButTheLast(p.report)) << choice;
    }
}

TEST(MortgageTable, ExtrasBlockMovesToANewPageWhenListedPlusFourPlusLinesPassFiftySeven) {
    // 25 annual rows leave the line count at 49: four listed payments stay (57), five move.
    for (const int listed : {4, 5}) {
        MortgageInputs in = twentyFiveYears(View::Annual);
        for (int year = 1; year <= listed; ++year)
            in.extraPayments[std::size_t(year)] = {money(year), money(100)};
        in.ExtraCount = listed;
        const Printed p = printed(in);
        ASSERT_EQ(p.result.RowCount, 25);
        ASSERT_EQ(int(p.result.listedExtras.size()), listed);

        const auto& pages = p.report.pages;
        const QStringList& last = pages.last();
        const qsizetype heading = last.indexOf(ExtrasHeading);
        ASSERT_GE(heading, 0) << listed;
        EXPECT_EQ(last[heading + 1], "");
        EXPECT_EQ(last[heading + 2], " Year     1" + QString(16, u' ') + "100.00")
            << "its own lines start at column 1";
        EXPECT_EQ(last[heading - 1], "");
        if (listed == 4) {
            EXPECT_EQ(pages.size(), 1);
            EXPECT_TRUE(last[heading - 2].startsWith(" Total:"));
        } else {
            ASSERT_EQ(pages.size(), 2);
            EXPECT_TRUE(pagesNumberedButTheLast(p.report));
            EXPECT_TRUE(pages[0][pages[0].size() - 4].startsWith(" Total:"));
            EXPECT_EQ(heading, 7) << "after the continuation heading";
        }
    }
}

TEST(MortgageTable, LoanDatesAndWideFiguresAreShownWhole) {
    MortgageInputs loan = inputs(9000000, 12, 24, Monthly, PayMonthly, View::All, Mode::Loan);
    loan.DateView = 1;
    const Printed p = printed(loan);
    const QStringList& page = p.report.pages[0];
    EXPECT_EQ(page[3], QString(31, u' ') + " Personal Loan Table");
    EXPECT_TRUE(page[6].startsWith(" Principal      Annual        Length of"));
    EXPECT_TRUE(page[13].startsWith(" Days   Interest    No. of     No. months Principal"));
    EXPECT_EQ(page[21], "    Date      Payment     Payment       Balance      Interest      "
                        "Principal");
    // The first payment's principal, over 300,000, fits no 9-column field; every digit is
    // still printed.
    const QString firstRow = page[24];
    EXPECT_TRUE(firstRow.startsWith(" 2027-01-31 ")) << firstRow.toStdString();
    const PayRow& row = p.result.PayTable[1];
    EXPECT_TRUE(firstRow.contains(formatNumber(row.interest.toDouble(), u"####,,###.00")));
    EXPECT_TRUE(firstRow.contains(" " + formatNumber(row.principal.toDouble(), u"####,,###.00")))
        << firstRow.toStdString();
    // Where the short form is longer than the date column ("31 Jan 2027"), dates are printed
    // as yyyy-MM-dd and stay clear of the next column.
    const PrintedReport people =
        mortgageTable(loan, p.result, {"Bank", PrinterFont::Standard, "$"}, {QLocale::c()});
    EXPECT_EQ(people.pages[0][24], firstRow);
}

TEST(MortgageTable, HeaderOneCancelsAndPrintsNothing) {
    const Printed p = printed(twentyFiveYears(View::All), 0, "1");
    EXPECT_TRUE(p.report.pages.isEmpty());
}
