#include "core/money/Currency.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using pennywell::Currency;

TEST(Currency, ConversionFromDoubleRoundsHalfToEven) {
    // These values land exactly halfway between two ten-thousandths once scaled.
    ASSERT_EQ(0.00125 * 10000, 12.5);
    ASSERT_EQ(0.00135 * 10000, 13.5);
    EXPECT_EQ(Currency::fromDouble(0.00125)->units(), 12);
    EXPECT_EQ(Currency::fromDouble(0.00135)->units(), 14);
    EXPECT_EQ(Currency::fromDouble(-0.00125)->units(), -12);
    EXPECT_EQ(Currency::fromDouble(0.00005)->units(), 0);
    EXPECT_EQ(Currency::fromDouble(1234.5678)->units(), 12345678);
    EXPECT_DOUBLE_EQ(Currency::fromDouble(566377.32)->toDouble(), 566377.32);
}

TEST(Currency, ValuesOutsideTheRangeAreReportedNotWrapped) {
    EXPECT_TRUE(Currency::fromDouble(922337203685477.0).has_value());
    EXPECT_FALSE(Currency::fromDouble(922337203685478.0).has_value());
    EXPECT_FALSE(Currency::fromDouble(-1e16).has_value());
    EXPECT_FALSE(Currency::fromDouble(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(Currency::fromDouble(std::nan("")).has_value());
}

TEST(Currency, ArithmeticThatOverflowsIsReported) {
    const Currency largest = Currency::fromUnits(std::numeric_limits<std::int64_t>::max());
    const Currency smallest = Currency::fromUnits(std::numeric_limits<std::int64_t>::min());
    const Currency cent = Currency::fromUnits(100);

    EXPECT_FALSE(largest.plus(cent).has_value());
    EXPECT_FALSE(smallest.minus(cent).has_value());
    EXPECT_EQ(largest.minus(cent)->units(), std::numeric_limits<std::int64_t>::max() - 100);
    EXPECT_EQ(cent.plus(cent)->units(), 200);
    EXPECT_EQ(cent.minus(cent.plus(cent).value())->units(), -100);
}
