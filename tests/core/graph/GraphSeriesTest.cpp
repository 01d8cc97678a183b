#include "core/graph/GraphSeries.h"

#include "core/mortgage/MortgageEngine.h"
#include "core/savings/GrowthCalculator.h"
#include "core/state/AppState.h"
#include "mortgage/MortgageTestInputs.h"

#include <gtest/gtest.h>

namespace pennywell::graph {
namespace {

using mortgage::testing::money;

GrowthInputs savingsPlan(double years, double inflation = 0) {
    return {money(0), money(1000), money(20), money(years), money(inflation), money(0)};
}

QStringList labels(const GraphSeries& series) {
    QStringList all;
    for (const GraphPoint& point : series.points)
        all.append(point.label);
    return all;
}

QStringList numbers(int first, int last) {
    QStringList all;
    for (int i = first; i <= last; ++i)
        all.append(QString::number(i));
    return all;
}

TEST(SavingsSeries, EveryYearIsABarOfItsYearEndValueAfterInflation) {
    const GrowthResult growth = calculateGrowth(savingsPlan(25, 3));
    const GraphSeries series = savingsSeries(growth.table, growth.resultCount, "Title");

    EXPECT_EQ(series.title, "Title");
    EXPECT_EQ(labels(series), numbers(1, 25));
    for (int year = 1; year <= 25; ++year)
        EXPECT_EQ(series.points[year - 1].value, growth.table[std::size_t(year)][4]) << year;
    EXPECT_EQ(series.points[0].value, money(1164)); // 1,200 less 3 % inflation
}

TEST(SavingsSeries, OneYearIsDrawnWithTheTotalsRowAsSecondPoint) {
    const GrowthResult growth = calculateGrowth(savingsPlan(1));
    const GraphSeries series = savingsSeries(growth.table, growth.resultCount, "Title");

    ASSERT_EQ(series.points.size(), 2);
    EXPECT_EQ(labels(series), QStringList({"1", "1"}));
    EXPECT_EQ(series.points[0].value, money(1200));
    EXPECT_EQ(series.points[1].value, Currency());
}

TEST(MortgageSeries, EachBarIsTheBalanceAtTheStartOfItsYearInBothViews) {
    using namespace mortgage;
    for (const View view : {View::All, View::Annual}) {
        const MortgageResult result = calculateMortgage(
            testing::inputs(100000, 10.125, 25, testing::Semiannual, testing::PayMonthly, view));
        ASSERT_TRUE(result.succeeded());
        const GraphSeries series = mortgageSeries(result, money(100000));

        EXPECT_EQ(series.title, "Mortgage balance at start of each Year");
        EXPECT_EQ(labels(series), numbers(1, 25));
        EXPECT_EQ(series.points[0].value, money(100000));
        // The end of year k - 1 is payment 12 (k - 1), or yearly row k - 1.
        for (int k = 2; k <= 25; ++k) {
            const int row = view == View::All ? 12 * (k - 1) : k - 1;
            EXPECT_EQ(series.points[k - 1].value, result.PayTable[std::size_t(row)].balance) << k;
        }
        EXPECT_EQ(result.PayTable[std::size_t(view == View::All ? 300 : 25)].balance, Currency());
    }
}

TEST(MortgageSeries, AYearStopsAtTheFirstBalanceOfOneOrLess) {
    using namespace mortgage;
    MortgageResult result;
    result.view = View::All;
    result.PaymentsPerYear = 12;
    result.YearsToFinal = 3;
    result.PayTable.resize(37);
    for (int row = 1; row <= 36; ++row)
        result.PayTable[std::size_t(row)].balance = money(1000 - row);
    result.PayTable[14].balance = money(0.8); // in the block of year 2 (rows 12..24)
    result.PayTable[24].balance = money(1);   // ends year 2 and starts the block of year 3

    const GraphSeries series = mortgageSeries(result, money(5000));
    ASSERT_EQ(series.points.size(), 3);
    EXPECT_EQ(series.points[1].value, money(1000 - 12));
    EXPECT_EQ(series.points[2].value, money(0.8));
    // Point 4 (not drawn: K is 3) would also stop at once, on row 24.
}

TEST(MortgageSeries, LoansKeepTheirTitleAndAShortLoanStillHasTwoBars) {
    using namespace mortgage;
    const MortgageResult fourYears = calculateMortgage(testing::inputs(
        20000, 10.125, 48, testing::Monthly, testing::PayMonthly, View::Annual, Mode::Loan));
    const GraphSeries series = mortgageSeries(fourYears, money(20000));
    EXPECT_EQ(series.title, "Personal Loan balance at start of each Year");
    EXPECT_EQ(labels(series), numbers(1, 4));

    const MortgageResult halfYear = calculateMortgage(testing::inputs(
        20000, 10.125, 6, testing::Monthly, testing::PayMonthly, View::All, Mode::Loan));
    ASSERT_TRUE(halfYear.succeeded());
    const GraphSeries two = mortgageSeries(halfYear, money(20000));
    ASSERT_EQ(two.points.size(), 2);
    EXPECT_EQ(two.points[0].value, money(20000));
    EXPECT_EQ(two.points[1].value, Currency()); // paid off within the year
}

TEST(GraphSeriesFor, FollowsTheCallerAndLeavesItsResultCountAlone) {
    AppState state;
    EXPECT_TRUE(seriesFor(state).points.isEmpty());

    state.mortgage.result = mortgage::calculateMortgage(mortgage::testing::inputs(
        100000, 10.125, 25, mortgage::testing::Semiannual, mortgage::testing::PayMonthly));
    state.mortgage.inputs.principal = money(100000);
    state.graph = {state.mortgage.result.ResultCount, state.mortgage.result.GraphTitle,
                   MortgageGraph};
    EXPECT_EQ(seriesFor(state).points.size(), 25);
    EXPECT_EQ(state.graph.ResultCount, 301);

    state.savings.growthTable = calculateGrowth(savingsPlan(10)).table;
    state.graph = {10, "Investment value at end of each Year", SavingsGraph};
    const GraphSeries savings = seriesFor(state);
    EXPECT_EQ(savings.title, "Investment value at end of each Year");
    EXPECT_EQ(savings.points.size(), 10);
}

} // namespace
} // namespace pennywell::graph
