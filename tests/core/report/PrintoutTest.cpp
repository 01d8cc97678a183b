#include "core/report/Printout.h"

#include "report/QStringPrinting.h"
#include "report/ReportTestPages.h"

#include <gtest/gtest.h>

using namespace pennywell;
using namespace pennywell::report;
using namespace pennywell::report::testing;

TEST(Printout, ItemsGoToTheirColumnsOrToThatColumnOfTheNextLine) {
    Printout out(PrinterFont::Standard);
    out.at(2, "ab").at(6, "cd").at(4, "ef").endLine();
    out.rightAt(3, 5, "12").append("%").endLine();
    out.line(2, "first\r\nsecond\nthird");
    const PrintedReport report = out.EndPrintout();

    ASSERT_EQ(report.pages.size(), 1);
    EXPECT_EQ(report.pages[0],
              (QStringList{"", " ab  cd", "   ef", "     12%", " first", "second", "third"}));
}

TEST(Printout, AFigureWiderThanItsFieldKeepsEveryDigit) {
    Printout out(PrinterFont::Standard);
    out.rightAt(5, 4, "123456").endLine();
    out.at(1, "abcd").rightAt(8, 4, "123456").endLine();
    out.at(1, "abcdef").rightAt(8, 4, "123456").endLine();
    const PrintedReport report = out.EndPrintout();
    // It reaches left of its field, but never over the text before it.
    EXPECT_EQ(report.pages[0], (QStringList{"", "  123456", "abcd 123456", "abcdef123456"}));
}

TEST(Printout, EveryFontChoiceSetsItsLinesPerPage) {
    const int expected[] = {53, 63, 56, 51};
    for (int choice = 0; choice < 4; ++choice) {
        const PrinterFont font = PrinterFont(choice);
        EXPECT_EQ(Printout(font).LinesPerPage(), expected[choice]) << choice;
        EXPECT_EQ(Printout(font).EndPrintout().fontChoice, font);
    }
}

TEST(Printout, PageBreakNumbersTheClosedPageAndTheLastPageHasNoNumber) {
    Printout out(PrinterFont::CourierNew12);
    for (int line = 1; line <= 110; ++line) {
        out.line(2, QString::number(line));
        if (out.fillsPage(line))
            out.pageBreak();
    }
    const PrintedReport report = out.EndPrintout();

    ASSERT_EQ(report.pages.size(), 3);
    EXPECT_TRUE(pagesNumberedButTheLast(report));
    EXPECT_EQ(report.pages[0][51], " 51");
    EXPECT_EQ(report.pages[1].first(), "") << "a new page starts with the font set-up's top line";
    EXPECT_EQ(report.pages[1][1], " 52");
    EXPECT_EQ(report.pages[1][51], " 102");
    EXPECT_EQ(report.pages[2].last(), " 110");
}

TEST(Printout, KeepTogetherMovesABlockThatWouldReachThePageEnd) {
    Printout out(PrinterFont::Standard);
    EXPECT_TRUE(out.needsNewPageFor(53 - 9, 9));
    EXPECT_FALSE(out.needsNewPageFor(53 - 10, 9));
}

TEST(Printout, HeaderIsPrintedAtColumnTwoAndAnEmptyHeaderGivesEmptyLines) {
    Printout out(PrinterFont::Standard);
    out.printHeader("Smith family  ");
    EXPECT_EQ(out.EndPrintout().pages[0], (QStringList{"", " Smith family", ""}));

    Printout empty(PrinterFont::Standard);
    empty.printHeader("");
    EXPECT_EQ(empty.EndPrintout().pages[0], (QStringList{"", "", ""}));
}

TEST(Printout, OnlyTheSingleCharacterOneCancels) {
    EXPECT_TRUE(cancelsPrintout("1"));
    EXPECT_FALSE(cancelsPrintout(" 1"));
    EXPECT_FALSE(cancelsPrintout("12"));
    EXPECT_FALSE(cancelsPrintout(""));
}
