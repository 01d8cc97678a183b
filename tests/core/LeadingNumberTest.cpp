#include "core/format/LeadingNumber.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

using pennywell::leadingNumber;

TEST(LeadingNumber, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(leadingNumber(u"12.5.3"), 12.5);
    EXPECT_DOUBLE_EQ(leadingNumber(u"100000"), 100000.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber(u"7."), 7.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"-3.25"), -3.25);
    EXPECT_DOUBLE_EQ(leadingNumber(u"+4"), 4.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"10.125%"), 10.125);
}

TEST(LeadingNumber, TextWithoutALeadingNumberIsZero) {
    EXPECT_EQ(leadingNumber(u""), 0.0);
    EXPECT_EQ(leadingNumber(u"$100"), 0.0);
    EXPECT_EQ(leadingNumber(u"."), 0.0);
    EXPECT_EQ(leadingNumber(u"-"), 0.0);
    EXPECT_EQ(leadingNumber(u"abc"), 0.0);
}

TEST(LeadingNumber, BlanksTabsAndLineFeedsAreIgnoredAnywhere) {
    EXPECT_DOUBLE_EQ(leadingNumber(u"   1 2 3"), 123.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"\t1\n0.5"), 10.5);
    EXPECT_DOUBLE_EQ(leadingNumber(u"  - 2"), -2.0);
    // Grouping commas are not part of a number: the box text is read up to them.
    EXPECT_DOUBLE_EQ(leadingNumber(u"1,234.50"), 1.0);
}

TEST(LeadingNumber, DoesNotDependOnTheLocale) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(leadingNumber(u"2.75"), 2.75);
    std::setlocale(LC_ALL, "C");
}

TEST(LeadingNumber, ANumberBeyondTheRangeOfDoubleIsTheLargestNotZero) {
    const double largest = std::numeric_limits<double>::max();
    for (const int digits : {310, 400, 5000}) {
        const std::u16string nines(std::size_t(digits), u'9');
        EXPECT_EQ(leadingNumber(nines), largest) << digits;
        EXPECT_EQ(leadingNumber(u"-" + nines + u".5"), -largest) << digits;
        EXPECT_EQ(leadingNumber(u"0000" + nines), largest) << digits;
    }
    // Too small to tell from zero is zero; leading zeros do not make a number large.
    EXPECT_EQ(leadingNumber(u"." + std::u16string(400, u'0') + u"1"), 0.0);
    EXPECT_EQ(leadingNumber(u"0" + std::u16string(400, u'0') + u".25"), 0.25);
}
