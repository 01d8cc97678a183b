#include "core/savings/YearlyCalculator.h"

#include "core/savings/SavingsInputs.h"

#include <gtest/gtest.h>

using namespace pennywell;

namespace {

Currency money(double value) {
    return *Currency::fromDouble(value);
}

QString yearly(double deposit, double rate, InvestmentFrequency frequency) {
    const YearlyResult result = calculateYearly(money(deposit), money(rate), frequency);
    EXPECT_EQ(result.outcome, YearlyOutcome::Calculated);
    return savingsAmountBoxText("$", result.amount);
}

} // namespace

TEST(YearlyCalculator, WorkedExamplesForEachFrequency) {
    EXPECT_EQ(yearly(100, 12, InvestmentFrequency::Monthly), "    $1,278.00");
    EXPECT_EQ(yearly(250, 8, InvestmentFrequency::Quarterly), "    $1,050.00");
    EXPECT_EQ(yearly(500, 10, InvestmentFrequency::Semiannual), "    $1,075.00");
}

TEST(YearlyCalculator, ExactHalfCentRoundsUp) {
    // 132.00 plus 3.575 of interest: the binary double lies just below the half cent.
    const YearlyResult result = calculateYearly(money(11), money(5), InvestmentFrequency::Monthly);
    EXPECT_EQ(result.amount, money(135.58));
}

TEST(YearlyCalculator, ZeroRateGivesNoResult) {
    const YearlyResult result =
        calculateYearly(money(100), Currency(), InvestmentFrequency::Monthly);
    EXPECT_EQ(result.outcome, YearlyOutcome::NoRate);
    EXPECT_EQ(result.amount, Currency());
}

TEST(YearlyCalculator, AmountsBeyondTheCurrencyRangeAreRefused) {
    const YearlyResult result =
        calculateYearly(money(900'000'000'000'000.0), money(5), InvestmentFrequency::Monthly);
    EXPECT_EQ(result.outcome, YearlyOutcome::Overflow);
}
