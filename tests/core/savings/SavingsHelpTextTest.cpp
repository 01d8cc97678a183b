#include "core/savings/SavingsHelpText.h"

#include <gtest/gtest.h>

using namespace pennywell;

TEST(SavingsHelpText, ExamplesStandLevelWithTheBoxes) {
    const QString text = savingsHelpText("$");
    EXPECT_TRUE(text.startsWith(" Always PgDn to End to read all text.          For results "
                                "click Calculate.\r\n Click yellow box to change, start typing "
                                "in numbers, deletes previous ones.\r\n\r\n      0\r\n\r\n\r\n"
                                "\r\n1,000.00\r\n"));
    EXPECT_TRUE(text.contains("       0%\r\n\r\n\r\n\r\n\r\n       25\r\n\r\nShows the future "
                              "value of $1,000.00 invested each year"));
    EXPECT_TRUE(text.contains("today.\r\n\r\n\r\n30,000.00\r\n\r\n\r\n\r\n       0\r\n\r\n"
                              "\r\n\r\n\r\n       0%"));
    EXPECT_TRUE(text.contains("       -5%\r\n\r\n\r\n\r\n\r\n        25\r\nShows the future "
                              "value of $30,000.00 at 5% annual"));
    EXPECT_TRUE(text.contains("this one calculation.\r\n\r\nFor Investments made on a more"));
    EXPECT_TRUE(text.contains("each Year.\r\n\r\n\r\nAs the program is very flexible"));
    EXPECT_TRUE(text.endsWith("(25, 24, ...1).\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n" +
                              QString(50, u' ') + "End"));
    EXPECT_EQ(text.count("\r\n"), text.count("\n"));
}

TEST(SavingsHelpText, SymbolStandsDirectlyBeforeAmounts) {
    const QString text = savingsHelpText("DM");
    EXPECT_TRUE(text.contains("a lump sum of DM1,000.00 invested"));
    EXPECT_TRUE(text.contains("investing DM1,000.00 each year"));
    EXPECT_TRUE(text.contains("a lump sum of DM10,000.00 the sixth year"));
    EXPECT_TRUE(text.contains("add this to the DM10,000.00, enter"));
    EXPECT_EQ(text.count("DM"), 8);
}
