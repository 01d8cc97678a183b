#include "core/graph/GraphAxis.h"

#include <gtest/gtest.h>

namespace pennywell::graph {
namespace {

GraphSeries seriesOf(std::initializer_list<double> values) {
    GraphSeries series;
    int year = 0;
    for (const double value : values)
        series.points.append({QString::number(++year), *Currency::fromDouble(value)});
    return series;
}

QStringList texts(const QList<AxisTick>& ticks) {
    QStringList all;
    for (const AxisTick& tick : ticks)
        all.append(tick.text);
    return all;
}

TEST(MoneyAxis, RoundStepsFromZeroPastTheHighestValueWithTheSymbol) {
    EXPECT_EQ(texts(moneyAxisTicks(seriesOf({100000, 97000, 3000}), "$")),
              QStringList({"$0", "$20,000", "$40,000", "$60,000", "$80,000", "$100,000"}));
    EXPECT_EQ(texts(moneyAxisTicks(seriesOf({1200, 566377.32}), "£")),
              QStringList({"£0", "£200,000", "£400,000", "£600,000"}));
}

TEST(MoneyAxis, EmptyAndNegativeSeriesStillGetAReadableAxis) {
    EXPECT_EQ(texts(moneyAxisTicks(seriesOf({0, 0}), "$")), QStringList({"$0", "$1"}));
    EXPECT_EQ(texts(moneyAxisTicks(seriesOf({-150, 400}), "$")),
              QStringList({"-$200", "$0", "$200", "$400"}));
}

// The 3D chart asks for labels at values of its own, in single precision.
TEST(MoneyAxis, AnyValueIsWrittenInWholeUnitsWithSeparators) {
    EXPECT_EQ(moneyAxisText(199999.98, "$"), "$200,000");
    EXPECT_EQ(moneyAxisText(1234567, "Fr. "), "Fr. 1,234,567");
    EXPECT_EQ(moneyAxisText(-2500, "$"), "-$2,500");
    EXPECT_EQ(moneyAxisText(-0.4, "$"), "$0");
}

TEST(PointTip, NamesTheYearAndTheExactAmount) {
    EXPECT_EQ(pointTip({"7", *Currency::fromDouble(12345.675)}, "$"), "Year 7: $12,345.68");
}

} // namespace
} // namespace pennywell::graph
