#include "core/mortgage/MortgagePresenter.h"

#include "MortgageTestInputs.h"
#include "core/mortgage/MortgageEngine.h"
#include "core/mortgage/MortgageTexts.h"

#include <gtest/gtest.h>

using namespace pennywell::mortgage;
using namespace pennywell::mortgage::testing;

namespace {

MortgageGrid gridOf(const MortgageInputs& in, const QString& symbol = QStringLiteral("$")) {
    return filledGrid(calculateMortgage(in), symbol, {QLocale::c()});
}

} // namespace

TEST(MortgagePresenter, BoxesShowTheResultsRightJustified) {
    const MortgageResult result =
        calculateMortgage(inputs(100000, 10.125, 25, Semiannual, PayMonthly, View::Annual));
    const MortgageBoxes boxes = boxTexts(result, QStringLiteral("$"));
    EXPECT_EQ(boxes.InMonthPI, QStringLiteral("     $902.91"));
    EXPECT_EQ(boxes.PeriodicR, QStringLiteral("0.00826483"));
    EXPECT_EQ(boxes.NumPmtsYear, QStringLiteral("          12"));
    EXPECT_EQ(boxes.InDays, QStringLiteral("Normal"));
    EXPECT_EQ(boxes.EndMortYear, QStringLiteral("       25.00"));
    EXPECT_EQ(boxes.AllPayments, QStringLiteral(" $270,873.76"));
    EXPECT_EQ(boxes.TotSavd, QStringLiteral("        $.00"));
}

TEST(MortgagePresenter, LoanShowsMonthsToTheFinalPayment) {
    const MortgageResult result =
        calculateMortgage(inputs(20000, 10.125, 48, Monthly, PayMonthly, View::Annual, Mode::Loan));
    EXPECT_EQ(boxTexts(result, QStringLiteral("DM")).EndMortYear, QStringLiteral("       48.00"));
    EXPECT_EQ(boxTexts(result, QStringLiteral("DM")).InMonthPI, QStringLiteral("    DM508.45"));
}

TEST(MortgagePresenter, DaysInYearShowsForTheWeeklyKindsOnly) {
    MortgageInputs in = inputs(100000, 10.125, 25, Semiannual, TwoWeeks);
    EXPECT_EQ(boxTexts(calculateMortgage(in), "$").InDays, QStringLiteral("365"));
    in.days = daysInYearSetting(0);
    EXPECT_EQ(boxTexts(calculateMortgage(in), "$").InDays, QStringLiteral("365.25"));
    in.frequency = Frequency::Semimonthly;
    EXPECT_EQ(boxTexts(calculateMortgage(in), "$").InDays, QStringLiteral("Normal"));
}

TEST(MortgagePresenter, NegativeOrSmallSavingsShowAsNone) {
    // Two-weekly payments reckoned at 363 days a year pay more than the monthly plan.
    MortgageInputs in = inputs(100000, 5, 25, Semiannual, TwoWeeks);
    in.days = daysInYearSetting(3);
    const MortgageResult result = calculateMortgage(in);
    EXPECT_LT(result.scheduledTotal - result.totalPaid, 0);
    EXPECT_EQ(boxTexts(result, "$").TotSavd, QStringLiteral("        $.00"));
}

TEST(MortgagePresenter, FailedCalculationKeepsOnlyWhatWasShownBeforeIt) {
    const MortgageBoxes noRate = boxTexts(calculateMortgage(inputs(100000, 0, 25)), "$");
    EXPECT_EQ(noRate.PeriodicR, QStringLiteral("0."));
    EXPECT_TRUE(noRate.InMonthPI.isEmpty());
    EXPECT_TRUE(noRate.EndMortYear.isEmpty());

    const MortgageBoxes tooLong = boxTexts(calculateMortgage(inputs(100000, 10, 41)), "$");
    EXPECT_TRUE(tooLong.PeriodicR.isEmpty());

    const MortgageBoxes overflow =
        boxTexts(calculateMortgage(inputs(900000000000000.0, 20, 40)), "$");
    EXPECT_FALSE(overflow.InMonthPI.isEmpty());
    EXPECT_EQ(overflow.NumPmtsYear, QStringLiteral("          12"));
    EXPECT_TRUE(overflow.AllPayments.isEmpty());
}

TEST(MortgagePresenter, AnnualGridHasTheYearsTheTotalAndSpareRows) {
    const MortgageGrid grid =
        gridOf(inputs(100000, 10.125, 25, Semiannual, PayMonthly, View::Annual));
    EXPECT_EQ(grid.headers[0], QStringLiteral(" Payment  Year"));
    EXPECT_EQ(grid.headers[5], QStringLiteral("Cumulative Principal"));
    ASSERT_EQ(grid.rows.size(), 28u); // 25 years, a blank row, the total and a blank row
    EXPECT_EQ(grid.rows[0],
              (GridRow{"   1", "9,874.94", "960.01", "99,039.99", "9,874.94", "960.01"}));
    EXPECT_EQ(grid.rows[24][3], QStringLiteral(".00"));
    EXPECT_EQ(grid.rows[25], GridRow{});
    EXPECT_EQ(grid.rows[26], (GridRow{"Total:", "", "", "$.00", "$170,873.76", "$100,000.00"}));
}

TEST(MortgagePresenter, AllGridShowsPaymentAndYearNumbersOrDates) {
    MortgageInputs in = inputs(100000, 10.125, 25, Semiannual);
    const MortgageGrid numbers = gridOf(in);
    EXPECT_EQ(numbers.headers[0], QStringLiteral("  Payment   No.  Year"));
    ASSERT_EQ(numbers.rows.size(), 303u);
    EXPECT_EQ(numbers.rows[0][0], QStringLiteral("   1       1"));
    EXPECT_EQ(numbers.rows[12][0], QStringLiteral("  13       2"));
    EXPECT_EQ(numbers.rows[299][0], QStringLiteral(" 300      25"));
    EXPECT_EQ(numbers.rows[301][0], QStringLiteral("Total:"));

    in.DateView = 1;
    const MortgageGrid dates = gridOf(in);
    EXPECT_EQ(dates.headers[0], QStringLiteral(" Payment  Date"));
    const MortgageResult result = calculateMortgage(in);
    // The C locale's short form, "28 Feb 2027", does not fit the ten characters of the column.
    EXPECT_EQ(filledGrid(result, "$", {QLocale::c()}).rows[1][0], QStringLiteral("2027-02-28"));
    EXPECT_EQ(
        filledGrid(result, "$", {QLocale(QLocale::English, QLocale::UnitedStates)}).rows[1][0],
        QStringLiteral("2/28/27"));
    EXPECT_EQ(filledGrid(result, "$", {QLocale::c(), true}).rows[1][0],
              QStringLiteral("2027-02-28"));
}

TEST(MortgagePresenter, SmallScheduleStillFillsTheMinimumGrid) {
    const MortgageGrid grid =
        gridOf(inputs(5000, 9, 5, Monthly, PayMonthly, View::All, Mode::Loan), "DM");
    ASSERT_EQ(grid.rows.size(), 22u);
    EXPECT_EQ(grid.rows[6][0], QStringLiteral("Total:"));
    EXPECT_EQ(grid.rows[6][5], QStringLiteral("DM5,000.00"));
    EXPECT_EQ(freshGrid(Mode::Loan).headers[0], QStringLiteral(" Year Number"));
    EXPECT_EQ(freshGrid(Mode::Mortgage).rows.size(), 25u);
}

TEST(MortgagePresenter, AdditionalPaymentsAreListedBelowTheTotal) {
    MortgageInputs in = inputs(100000, 10.125, 25, Semiannual, PayMonthly, View::Annual);
    in.extraPayments[3] = {money(3), money(5000)};
    in.extraPayments[5] = {money(5), money(500000)}; // too large: skipped, not listed
    in.ExtraCount = 2;
    const MortgageResult result = calculateMortgage(in);
    const MortgageGrid grid = filledGrid(result, "$", {QLocale::c()});
    const int rows = result.RowCount;
    ASSERT_EQ(grid.rows.size(), std::size_t(rows + 4 + 2 + 4 - 1));
    EXPECT_EQ(grid.rows[std::size_t(rows + 5)],
              (GridRow{"Additional ", "Payments  ", "Applied  ", "", "", ""}));
    EXPECT_EQ(grid.rows[std::size_t(rows + 7)], (GridRow{"Year    3", "", "5,000.00", "", "", ""}));
    EXPECT_EQ(grid.rows[std::size_t(rows + 8)], GridRow{});
    EXPECT_EQ(extrasText(result), QStringLiteral("Additional  Payments     Applied\r\n\r\n"
                                                 " Year     3              5,000.00\r\n"));
    EXPECT_EQ(extrasText(calculateMortgage(inputs(100000, 10, 25))), QString());
}

TEST(MortgagePresenter, GridHoldsEveryListedPaymentEvenWhenFewerYearsWereCounted) {
    // Amounts left from a longer term are applied, though the dialog last counted one year.
    MortgageInputs in = inputs(100000, 10.125, 25, Semiannual, PayMonthly, View::Annual);
    in.extraPayments[3] = {money(3), money(1000)};
    in.extraPayments[20] = {money(20), money(1000)};
    in.ExtraCount = 1;
    const MortgageResult result = calculateMortgage(in);
    ASSERT_EQ(result.listedExtras.size(), 2u);
    const MortgageGrid grid = filledGrid(result, "$", {QLocale::c()});
    ASSERT_GE(grid.rows.size(), std::size_t(result.RowCount + 9));
    EXPECT_EQ(grid.rows[std::size_t(result.RowCount + 8)][0], QStringLiteral("Year   20"));
}

TEST(MortgageTexts, BoxesAreRewrittenInTheirFormats) {
    EXPECT_EQ(rateBoxText(7), QStringLiteral("         7.000%"));
    EXPECT_EQ(principalBoxText("$", 250000), QStringLiteral("     $250,000.00"));
    EXPECT_EQ(termBoxText(40), QStringLiteral("              40"));
    EXPECT_EQ(modeTexts(Mode::Mortgage, "DM").principalText, QStringLiteral("   DM100,000.00"));
    EXPECT_EQ(failureMessage(Failure::TermLimit, Mode::Mortgage).title,
              QStringLiteral("Mortgage Tables"));
    EXPECT_EQ(failureMessage(Failure::WrongEntry, Mode::Loan).text,
              QStringLiteral("Wrong entry, try again"));
}

TEST(MortgageTexts, QuickHelpKeepsItsLineBreaks) {
    const QString mortgage = quickHelpText(Mode::Mortgage);
    EXPECT_TRUE(mortgage.startsWith(u"Click on yellow box to change"));
    EXPECT_TRUE(mortgage.contains(u"details.\r\n\r\n100,000.00\r\n\r\n\r\n       6.125\r\n"
                                  u"\r\n\r\n\r\n           25\r\n\r\n\r\nClick down arrow"));
    EXPECT_TRUE(mortgage.endsWith(u"the Annual totals.\r\n\r\n"));

    const QString loan = quickHelpText(Mode::Loan);
    EXPECT_TRUE(loan.startsWith(
        u"                          How to use for Car, Consumer or Personal loans.\r\n\r\n"));
    EXPECT_TRUE(loan.contains(u"during the\r\n               payback period.\r\n\r\nClick"));
}
