#include "core/mortgage/MortgageEngine.h"

#include "MortgageTestInputs.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace pennywell;
using namespace pennywell::mortgage;
using namespace pennywell::mortgage::testing;

namespace {

const PayRow& lastRow(const MortgageResult& result) {
    return result.PayTable[std::size_t(result.RowCount)];
}

} // namespace

TEST(MortgageEngine, MonthlyPaymentMatchesTheClosedForm) {
    // A published example: 85,000 at 11 % compounded semi-annually over 25 years.
    const MortgageResult result = calculateMortgage(inputs(85000, 11, 25, Semiannual));
    ASSERT_TRUE(result.succeeded());
    EXPECT_NEAR(result.payment, 818.1491841, 1e-7);
    EXPECT_EQ(std::round(result.payment * 100) / 100, 818.15);
}

TEST(MortgageEngine, SemiannualMonthlyScheduleEndsExactlyAtZero) {
    const MortgageResult result = calculateMortgage(inputs(100000, 10.125, 25, Semiannual));
    ASSERT_TRUE(result.succeeded());
    EXPECT_FLOAT_EQ(result.monthlyRate, 0.0082648322f);
    EXPECT_NEAR(result.payment, 902.9125090, 1e-7);
    EXPECT_EQ(result.RowCount, 300);
    EXPECT_EQ(result.paymentsMade, 300);
    EXPECT_EQ(result.YearsToFinal, 25);
    const PayRow& last = lastRow(result);
    EXPECT_EQ(last.balance, Currency());
    EXPECT_EQ(last.principal, result.PayTable[299].balance);
    EXPECT_EQ(last.cumulativePrincipal, money(100000));
    EXPECT_EQ(result.ResultCount, 301);
    EXPECT_EQ(last.cumulativeInterest, money(170873.7551));
    EXPECT_DOUBLE_EQ(result.totalPaid, 270873.7551);
    EXPECT_EQ(result.interestSavings, 0); // the plan as scheduled saves nothing
}

TEST(MortgageEngine, AnnualRowsAreTheYearEndsOfTheSchedule) {
    const MortgageResult all = calculateMortgage(inputs(100000, 10.125, 25, Semiannual));
    const MortgageResult annual =
        calculateMortgage(inputs(100000, 10.125, 25, Semiannual, PayMonthly, View::Annual));
    ASSERT_TRUE(annual.succeeded());
    EXPECT_EQ(annual.RowCount, 25);
    EXPECT_EQ(annual.ResultCount, 25);
    for (int y = 1; y <= 25; ++y) {
        const PayRow& year = annual.PayTable[std::size_t(y)];
        const PayRow& payment = all.PayTable[std::size_t(12 * y)];
        EXPECT_EQ(year.number, money(y));
        EXPECT_EQ(year.balance, payment.balance) << "year " << y;
        EXPECT_EQ(year.cumulativeInterest, payment.cumulativeInterest);
        const PayRow& yearBefore = all.PayTable[std::size_t(12 * y - 12)];
        EXPECT_EQ(year.principal,
                  *payment.cumulativePrincipal.minus(yearBefore.cumulativePrincipal));
        EXPECT_EQ(year.interest, *payment.cumulativeInterest.minus(yearBefore.cumulativeInterest));
    }
}

// The cumulative columns are the running sums of the yearly parts to the last decimal: the
// first year's interest is its cumulative interest, and the years' principal repays the loan.
TEST(MortgageEngine, AnnualPartsAddUpToTheirCumulatives) {
    for (const int frequency : {PayMonthly, Semimonthly, TwoWeeks, BiweeklyAcc, WeeklyAcc}) {
        const MortgageResult annual =
            calculateMortgage(inputs(100000, 10.125, 25, Semiannual, frequency, View::Annual));
        ASSERT_TRUE(annual.succeeded());
        Currency interest;
        Currency principal;
        for (int y = 1; y <= annual.RowCount; ++y) {
            const PayRow& year = annual.PayTable[std::size_t(y)];
            interest = *interest.plus(year.interest);
            principal = *principal.plus(year.principal);
            EXPECT_EQ(year.cumulativeInterest, interest)
                << "frequency " << frequency << " year " << y;
            EXPECT_EQ(year.cumulativePrincipal, principal)
                << "frequency " << frequency << " year " << y;
        }
        EXPECT_EQ(principal, money(100000)) << "frequency " << frequency;
    }
}

TEST(MortgageEngine, AcceleratedBiweeklyRetiresTheLoanEarly) {
    const MortgageResult result =
        calculateMortgage(inputs(100000, 10.125, 25, Semiannual, BiweeklyAcc));
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.PaymentsPerYear, 26);
    EXPECT_NEAR(result.ratePerPeriod, 0.00379563845295, 1e-14);
    EXPECT_NEAR(result.payment, 451.4562545, 1e-7);
    EXPECT_EQ(result.paymentsMade, 485);
    EXPECT_NEAR(result.YearsToFinal, 485 / 26.0, 1e-12);
    EXPECT_EQ(lastRow(result).balance, Currency());
    EXPECT_DOUBLE_EQ(result.totalPaid, 218945.3398);
    EXPECT_NEAR(result.interestSavings, 51928.4129138, 1e-6);
}

TEST(MortgageEngine, PlainFrequenciesSpreadTheMonthlyPayment) {
    const MortgageResult monthly = calculateMortgage(inputs(100000, 10.125, 25, Semiannual));
    const MortgageResult weekly =
        calculateMortgage(inputs(100000, 10.125, 25, Semiannual, OneWeek));
    const MortgageResult half =
        calculateMortgage(inputs(100000, 10.125, 25, Semiannual, Semimonthly));
    EXPECT_NEAR(weekly.payment, 208.3644252, 1e-7);
    EXPECT_NEAR(half.payment, 451.4562545, 1e-7);
    // Half a month earlier, every other payment saves a little interest.
    EXPECT_GT(half.paymentsMade, 590);
    EXPECT_LT(half.paymentsMade, 600);
    EXPECT_EQ(lastRow(half).balance, Currency());
}

TEST(MortgageEngine, DaysInYearChangesOnlyTheWeeklyKinds) {
    MortgageInputs in = inputs(100000, 10.125, 25, Semiannual, Semimonthly);
    const double halfMonthly = calculateMortgage(in).ratePerPeriod;
    in.days = daysInYearSetting(3);
    EXPECT_EQ(calculateMortgage(in).ratePerPeriod, halfMonthly);

    in.frequency = Frequency::OneWeek;
    const double with363 = calculateMortgage(in).ratePerPeriod;
    in.days = daysInYearSetting(1);
    EXPECT_GT(with363, calculateMortgage(in).ratePerPeriod);
}

TEST(MortgageEngine, AdditionalPaymentJoinsTheFirstPaymentOfItsYear) {
    const MortgageResult plain = calculateMortgage(inputs(100000, 10.125, 25, Semiannual));
    MortgageInputs in = inputs(100000, 10.125, 25, Semiannual);
    in.extraPayments[3] = {money(3), money(5000)};
    in.ExtraCount = 1;
    const MortgageResult result = calculateMortgage(in);
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.PayTable[24].principal, plain.PayTable[24].principal);
    EXPECT_EQ(result.PayTable[25].principal.units(),
              plain.PayTable[25].principal.units() + 5000 * 10000);
    ASSERT_EQ(result.listedExtras.size(), 1u);
    EXPECT_EQ(result.listedExtras[0].year, 3);
    EXPECT_EQ(result.AppliedCount, 1);
    EXPECT_LT(result.paymentsMade, 300);
    EXPECT_EQ(lastRow(result).balance, Currency());
}

TEST(MortgageEngine, TooLargeAdditionalPaymentIsSkippedAndNotListed) {
    MortgageInputs in = inputs(100000, 10.125, 25, Semiannual);
    in.extraPayments[2] = {money(2), money(150000)};
    in.extraPayments[4] = {money(4), money(1000)};
    in.ExtraCount = 2;
    const MortgageResult result = calculateMortgage(in);
    ASSERT_TRUE(result.succeeded());
    ASSERT_EQ(result.listedExtras.size(), 1u);
    EXPECT_EQ(result.listedExtras[0].year, 4);
    EXPECT_EQ(result.AppliedCount, 1);
    EXPECT_TRUE(result.extrasListed());
}

TEST(MortgageEngine, ZeroRateZeroTermAndLongTermsAreRefused) {
    const MortgageResult noRate = calculateMortgage(inputs(100000, 0, 25));
    EXPECT_EQ(noRate.failure, Failure::WrongEntry);
    EXPECT_EQ(noRate.progress, Progress::RateShown); // the rate factor was already shown
    EXPECT_TRUE(noRate.PayTable.empty());
    EXPECT_EQ(noRate.ResultCount, 0);

    EXPECT_EQ(calculateMortgage(inputs(100000, 10, 0)).failure, Failure::WrongEntry);
    const MortgageResult tooLong = calculateMortgage(inputs(100000, 10, 41));
    EXPECT_EQ(tooLong.failure, Failure::TermLimit);
    EXPECT_EQ(tooLong.progress, Progress::Nothing);
    EXPECT_TRUE(calculateMortgage(inputs(100000, 10, 40)).succeeded());
}

TEST(MortgageEngine, OverflowAndCapacityFailInsteadOfFillingTheTables) {
    const MortgageResult huge = calculateMortgage(inputs(900000000000000.0, 20, 40));
    EXPECT_EQ(huge.failure, Failure::WrongEntry);
    EXPECT_EQ(huge.progress, Progress::PaymentShown);
    EXPECT_TRUE(huge.PayTable.empty());

    // 50 years of weekly payments would need more rows than the schedule holds.
    const MortgageResult tooMany =
        calculateMortgage(inputs(100000, 10, 600, Semiannual, OneWeek, View::All, Mode::Loan));
    EXPECT_EQ(tooMany.failure, Failure::WrongEntry);
    const MortgageResult fits = calculateMortgage(inputs(100000, 10, 40, Semiannual, OneWeek));
    ASSERT_TRUE(fits.succeeded());
    EXPECT_LE(fits.paymentsMade, MaximumPayments);
}

TEST(MortgageEngine, LoanTermIsMonthsDividedByTwelveExactly) {
    const MortgageResult fourYears =
        calculateMortgage(inputs(20000, 10.125, 48, Monthly, PayMonthly, View::All, Mode::Loan));
    ASSERT_TRUE(fourYears.succeeded());
    EXPECT_EQ(fourYears.paymentsMade, 48);
    EXPECT_EQ(fourYears.YearsToFinal, 4);

    const MortgageResult fiveMonths =
        calculateMortgage(inputs(100000, 10.125, 5, Monthly, PayMonthly, View::All, Mode::Loan));
    ASSERT_TRUE(fiveMonths.succeeded());
    EXPECT_EQ(fiveMonths.paymentsMade, 5);
    EXPECT_EQ(lastRow(fiveMonths).balance, Currency());
    EXPECT_NEAR(lastRow(fiveMonths).principal.toDouble(), fiveMonths.PayTable[4].balance.toDouble(),
                0);

    // One month: the whole principal plus one month's interest, the principal paid in full.
    const MortgageResult oneMonth =
        calculateMortgage(inputs(1000, 12, 1, Monthly, PayMonthly, View::All, Mode::Loan));
    ASSERT_TRUE(oneMonth.succeeded());
    EXPECT_NEAR(oneMonth.payment, 1010, 1e-3);
    EXPECT_EQ(oneMonth.PayTable[1].principal, money(1000));
    EXPECT_EQ(oneMonth.PayTable[1].cumulativePrincipal, money(1000));
    EXPECT_EQ(oneMonth.PayTable[1].balance, Currency());
}

TEST(MortgageEngine, ShortLoanInTheAnnualViewCanStillBePrintedAndGraphed) {
    const MortgageResult result =
        calculateMortgage(inputs(5000, 9, 5, Monthly, PayMonthly, View::Annual, Mode::Loan));
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.RowCount, 1);
    EXPECT_EQ(result.ResultCount, 1);
    EXPECT_EQ(result.PayTable[1].balance, Currency());
    EXPECT_EQ(result.GraphTitle, QStringLiteral("Personal Loan balance at start of each Year"));
}

TEST(MortgageEngine, AllViewKeepsTheYearNumberOfEachPayment) {
    const MortgageResult result = calculateMortgage(inputs(100000, 10.125, 25, Semiannual));
    EXPECT_EQ(result.PayTable[1].yearNumber, money(1 + 1.0 / 12));
    EXPECT_EQ(result.PayTable[12].yearNumber, money(1 + 1.0 / 12));
    EXPECT_EQ(result.PayTable[13].yearNumber, money(13.0 / 12 + 1));
    EXPECT_EQ(result.GraphTitle, QStringLiteral("Mortgage balance at start of each Year"));
}

TEST(MortgageEngine, AnnualSumsOfAPartYearCoverOnlyThePaymentsMade) {
    const MortgageResult all =
        calculateMortgage(inputs(100000, 10.125, 25, Semiannual, BiweeklyAcc));
    const MortgageResult annual =
        calculateMortgage(inputs(100000, 10.125, 25, Semiannual, BiweeklyAcc, View::Annual));
    ASSERT_TRUE(annual.succeeded());
    const int years = annual.RowCount;
    EXPECT_EQ(years, int(std::ceil(all.YearsToFinal)));
    const Currency interestBefore = all.PayTable[std::size_t((years - 1) * 26)].cumulativeInterest;
    const Currency interestToTheEnd = lastRow(all).cumulativeInterest;
    const PayRow& lastYear = annual.PayTable[std::size_t(years)];
    EXPECT_EQ(lastYear.interest, *interestToTheEnd.minus(interestBefore));
    EXPECT_EQ(lastYear.balance, Currency());
    EXPECT_EQ(lastYear.cumulativePrincipal, money(100000));
    EXPECT_EQ(annual.ResultCount, int(std::nearbyint(all.YearsToFinal)));
}
