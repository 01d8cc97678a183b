#include "core/savings/GrowthCalculator.h"

#include "core/savings/GrowthPresenter.h"

#include <gtest/gtest.h>

using namespace pennywell;

namespace {

Currency money(double value) {
    return *Currency::fromDouble(value);
}

GrowthInputs inputs(double lump, double annual, double rate, double years, double inflation = 0,
                    double increase = 0) {
    return {money(lump),  money(annual),    money(rate),
            money(years), money(inflation), money(increase)};
}

GrowthInputs defaults() {
    return inputs(0, 1000, 20, 25);
}

QStringList row(const GrowthGrid& grid, int gridRow) {
    return grid.rows.at(gridRow - 1); // grid row 1 is the first row below the heading
}

} // namespace

TEST(GrowthCalculator, DefaultsGrowWithTheRateHeldInSinglePrecision) {
    const GrowthResult result = calculateGrowth(defaults());
    ASSERT_EQ(result.outcome, GrowthOutcome::Calculated);
    EXPECT_EQ(result.table[1][3], money(200));
    EXPECT_EQ(result.table[1][4], money(1200));
    EXPECT_EQ(result.table[2][4], money(2640));
    EXPECT_EQ(result.resultCount, 25);

    const GrowthGrid grid = presentGrowth(result, "$");
    EXPECT_EQ(grid.rows.size(), 28); // 29 with the heading
    EXPECT_EQ(row(grid, 1), QStringList({"1", "1,000.00", "200.00", "1,200.00"}));
    EXPECT_EQ(row(grid, 2), QStringList({"2", "1,000.00", "440.00", "2,640.00"}));
    EXPECT_EQ(row(grid, 26), QStringList(4));
    // With a double-precision rate the final value would be 566,377.30.
    EXPECT_EQ(row(grid, 27), QStringList({"Total:", "$25,000.00", "$541,377.32", "$566,377.32"}));
    EXPECT_EQ(row(grid, 28), QStringList(4));
}

TEST(GrowthCalculator, SinglePrecisionRateShowsInLargeAmounts) {
    const GrowthResult result = calculateGrowth(inputs(0, 10'000'000, 20, 1));
    EXPECT_EQ(result.table[1][3].units(), 20'000'000'298LL);
    EXPECT_EQ(row(presentGrowth(result, "$"), 1)[2], "2,000,000.03");
}

TEST(GrowthCalculator, LumpSumAloneCompoundsYearly) {
    const GrowthGrid grid = presentGrowth(calculateGrowth(inputs(10000, 0, 10, 3)), "$");
    EXPECT_EQ(row(grid, 1), QStringList({"1", "10,000.00", "1,000.00", "11,000.00"}));
    EXPECT_EQ(row(grid, 2), QStringList({"2", ".00", "1,100.00", "12,100.00"}));
    EXPECT_EQ(row(grid, 3), QStringList({"3", ".00", "1,210.00", "13,310.00"}));
    EXPECT_EQ(row(grid, 5), QStringList({"Total:", "$10,000.00", "$3,310.00", "$13,310.00"}));
}

TEST(GrowthCalculator, IncreaseAppliesFromTheSecondYear) {
    const GrowthResult result = calculateGrowth(inputs(0, 1000, 20, 3, 0, 5));
    EXPECT_EQ(result.table[1][2], money(1000));
    EXPECT_EQ(result.table[2][2], money(1050));
    EXPECT_EQ(result.table[3][2], money(1102.5));
    EXPECT_EQ(result.table[4][2], money(3152.5)); // total invested
}

TEST(GrowthCalculator, InflationShrinksAndNegativeInflationGrowsTheValue) {
    const GrowthResult falling = calculateGrowth(inputs(30000, 0, 0, 2, 5));
    EXPECT_EQ(falling.table[1][4], money(28500));
    EXPECT_EQ(falling.table[2][4], money(27075));
    // The total gain is the final value less what was invested, here a loss.
    EXPECT_EQ(row(presentGrowth(falling, "$"), 4),
              QStringList({"Total:", "$30,000.00", "$-2,925.00", "$27,075.00"}));

    const GrowthResult rising = calculateGrowth(inputs(30000, 0, 0, 2, -5));
    EXPECT_EQ(rising.table[1][4], money(31500));
    EXPECT_EQ(rising.table[2][4], money(33075));
}

TEST(GrowthCalculator, TermLimitsAndTheOneYearCase) {
    const GrowthResult none = calculateGrowth(inputs(0, 1000, 20, 0));
    EXPECT_EQ(none.outcome, GrowthOutcome::Calculated);
    EXPECT_EQ(none.resultCount, 0); // nothing for the graph or the printout
    const GrowthGrid noneGrid = presentGrowth(none, "$");
    EXPECT_EQ(noneGrid.rows.size(), 24);
    EXPECT_EQ(row(noneGrid, 1), QStringList({"1", "1,000.00", "200.00", "1,200.00"}));
    EXPECT_EQ(row(noneGrid, 3), QStringList({"Total:", "$1,000.00", "$200.00", "$1,200.00"}));

    const GrowthResult one = calculateGrowth(inputs(0, 1000, 20, 1));
    EXPECT_EQ(one.resultCount, 1);
    EXPECT_EQ(one.table[2][1], money(1));
    EXPECT_EQ(presentGrowth(one, "$").rows, noneGrid.rows);

    const GrowthResult fifty = calculateGrowth(inputs(0, 1000, 20, 50));
    EXPECT_EQ(fifty.resultCount, 50);
    EXPECT_EQ(presentGrowth(fifty, "$").rows.size(), 53);
    EXPECT_EQ(presentGrowth(fifty, "$").rows.at(51).first(), "Total:");

    const GrowthResult over = calculateGrowth(inputs(0, 1000, 20, 51));
    EXPECT_EQ(over.outcome, GrowthOutcome::TermOverLimit);
    EXPECT_EQ(over.resultCount, 0);
    EXPECT_EQ(presentGrowth(over, "$").rows, freshGrowthGrid().rows);

    // Half a year rounds to the even whole number, as the years box commits it.
    EXPECT_EQ(calculateGrowth(inputs(0, 1000, 20, 24.5)).resultCount, 24);
    EXPECT_EQ(calculateGrowth(inputs(0, 1000, 20, 50.5)).resultCount, 50);
}

TEST(GrowthCalculator, ZeroCellsShowNoLeadingZeroButZeroTotalsDo) {
    const GrowthGrid grid = presentGrowth(calculateGrowth(inputs(0, 0, 0, 2)), "DM");
    EXPECT_EQ(row(grid, 1), QStringList({"1", ".00", ".00", ".00"}));
    EXPECT_EQ(row(grid, 4), QStringList({"Total:", "DM0.00", "DM0.00", "DM0.00"}));
}

TEST(GrowthCalculator, ValuesBeyondTheCurrencyRangeAreRefused) {
    const GrowthResult result = calculateGrowth(inputs(900'000'000'000'000.0, 0, 20, 5));
    EXPECT_EQ(result.outcome, GrowthOutcome::Overflow);
    EXPECT_EQ(result.resultCount, 0);
    const GrowthGrid grid = presentGrowth(result, "$");
    EXPECT_EQ(grid.rows.size(), 24);
    for (const QStringList& cells : grid.rows)
        EXPECT_EQ(cells, QStringList(4));
}

TEST(GrowthPresenter, PlainNumbersKeepEveryStoredDecimal) {
    EXPECT_EQ(plainNumber(money(200)), "200.00");
    EXPECT_EQ(plainNumber(Currency::fromUnits(20'000'000'298LL)), "2000000.0298");
    EXPECT_EQ(plainNumber(money(-2925.5)), "-2925.50");
    EXPECT_EQ(plainNumber(Currency::fromUnits(-5)), "-0.0005");
}
