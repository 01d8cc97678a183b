#include "core/format/NumberFormat.h"

#include "core/format/RightAlign.h"

#include <cmath>
#include <gtest/gtest.h>

using pennywell::formatNumber;
using pennywell::moneyText;
using pennywell::percentText;
using pennywell::RightAlign;

namespace {

struct PatternCase {
    const char16_t* pattern;
    const char* forValue1234_567;
    const char* forHalf;
    const char* forZero;
};

class PatternTable : public testing::TestWithParam<PatternCase> {};

} // namespace

TEST_P(PatternTable, FormatsTheThreeExampleValues) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(formatNumber(1234.567, c.pattern).toStdString(), c.forValue1234_567);
    EXPECT_EQ(formatNumber(0.5, c.pattern).toStdString(), c.forHalf);
    EXPECT_EQ(formatNumber(0, c.pattern).toStdString(), c.forZero);
}

INSTANTIATE_TEST_SUITE_P(EveryPattern, PatternTable,
                         testing::Values(PatternCase{u"####,,###.00", "1,234.57", ".50", ".00"},
                                         PatternCase{u"###,,###.00", "1,234.57", ".50", ".00"},
                                         PatternCase{u"##,,###.00", "1,234.57", ".50", ".00"},
                                         PatternCase{u"###,###.00", "1,234.57", ".50", ".00"},
                                         PatternCase{u"####,,##0.00", "1,234.57", "0.50", "0.00"},
                                         PatternCase{u"#####,,##0.00", "1,234.57", "0.50", "0.00"},
                                         PatternCase{u"##.00", "1234.57", ".50", ".00"},
                                         PatternCase{u"###.00", "1234.57", ".50", ".00"},
                                         PatternCase{u"###.##", "1234.57", ".5", "."},
                                         PatternCase{u"###.000", "1234.567", ".500", ".000"},
                                         PatternCase{u"##", "1235", "1", ""},
                                         PatternCase{u"###", "1235", "1", ""},
                                         PatternCase{u"####", "1235", "1", ""},
                                         PatternCase{u"0.########", "1234.567", "0.5", "0."}));

TEST(NumberFormat, RoundsHalfAwayFromZeroAsTheValueReads) {
    EXPECT_EQ(formatNumber(2.675, u"###.00"), "2.68");
    EXPECT_EQ(formatNumber(1.005, u"###.00"), "1.01");
    EXPECT_EQ(formatNumber(99.99 * 26 / 4, u"###,###.00"), "649.94");
    EXPECT_EQ(formatNumber(-2.675, u"###.00"), "-2.68");
    EXPECT_EQ(formatNumber(2.5, u"##"), "3");
    EXPECT_EQ(formatNumber(-2.5, u"##"), "-3");
    EXPECT_EQ(formatNumber(0.125, u"###.##"), ".13");
}

TEST(NumberFormat, CarriesIntoNewDigitsAndGroups) {
    EXPECT_EQ(formatNumber(999.995, u"###,###.00"), "1,000.00");
    EXPECT_EQ(formatNumber(999999.999, u"###,###.00"), "1,000,000.00");
    EXPECT_EQ(formatNumber(9.96, u"###.#"), "10.");
    EXPECT_EQ(formatNumber(566377.32, u"####,,###.00"), "566,377.32");
    EXPECT_EQ(formatNumber(1278, u"###,###.00"), "1,278.00");
    EXPECT_EQ(formatNumber(123456789012.34, u"###,###.00"), "123,456,789,012.34");
}

TEST(NumberFormat, IntegerPartIsAlwaysShownInFull) {
    EXPECT_EQ(formatNumber(123456, u"##"), "123456");
    EXPECT_EQ(formatNumber(1e15, u"##"), "1000000000000000");
    EXPECT_EQ(formatNumber(0.00000001, u"0.########"), "0.00000001");
    EXPECT_EQ(formatNumber(1.5e-9, u"0.########"), "0.");
}

TEST(NumberFormat, ZeroShownDigitsCarryNoMinusSign) {
    EXPECT_EQ(formatNumber(-0.001, u"###.00"), ".00");
    EXPECT_EQ(formatNumber(-0.004, u"####,,##0.00"), "0.00");
    EXPECT_EQ(formatNumber(-0.4, u"##"), "");
    EXPECT_EQ(formatNumber(-0.0, u"###.00"), ".00");
    EXPECT_EQ(formatNumber(-0.005, u"###.00"), "-.01");
    EXPECT_EQ(formatNumber(-1234.567, u"###,###.00"), "-1,234.57");
}

TEST(NumberFormat, NonFiniteValuesAreShownAsAnError) {
    EXPECT_EQ(formatNumber(std::nan(""), u"###.00"), "Error");
    EXPECT_EQ(formatNumber(HUGE_VAL, u"###.00"), "Error");
}

TEST(RightAlign, PadsOnTheLeftAndNeverCutsALongerText) {
    EXPECT_EQ(RightAlign("$5.00", 8), "   $5.00");
    EXPECT_EQ(RightAlign("$1,234,567.00", 11), "$1,234,567.00");
    EXPECT_EQ(RightAlign("abc", 3), "abc");
    EXPECT_EQ(RightAlign("abc", 0), "abc");
    EXPECT_EQ(RightAlign("abc", -2), "abc");
    EXPECT_EQ(RightAlign("", 0), "");
    EXPECT_EQ(RightAlign("", 2), "  ");
}

TEST(MoneyText, PutsTheSymbolBeforeTheNumberAndAligns) {
    EXPECT_EQ(moneyText("$", 0, u"###,###.00", 16), "            $.00");
    EXPECT_EQ(moneyText("$", 100000, u"####,,###.00", 16), "     $100,000.00");
    EXPECT_EQ(moneyText("EU", 1234.567, u"####,,##0.00", 12), "  EU1,234.57");
    EXPECT_EQ(moneyText("", 0.5, u"###,###.00", 5), "  .50");
}

TEST(PercentText, AppendsThePercentAfterTheField) {
    EXPECT_EQ(percentText(6.5, u"###.00", 14), "          6.50%");
    EXPECT_EQ(percentText(10.125, u"###.000", 8), "  10.125%");
}
