#include "MortgageTestInputs.h"
#include "core/mortgage/MortgageEngine.h"
#include "core/mortgage/PaymentDates.h"

#include <gtest/gtest.h>

using namespace pennywell::mortgage;
using namespace pennywell::mortgage::testing;

TEST(PaymentDates, MonthStepsFromThe31stClampAndComeBack) {
    const QDate first(2028, 1, 31);
    EXPECT_EQ(paymentDate(first, PaymentKind::Monthly, 1), QDate(2028, 1, 31));
    EXPECT_EQ(paymentDate(first, PaymentKind::Monthly, 2), QDate(2028, 2, 29));
    EXPECT_EQ(paymentDate(first, PaymentKind::Monthly, 3), QDate(2028, 3, 31));
    EXPECT_EQ(paymentDate(first, PaymentKind::Monthly, 14), QDate(2029, 2, 28));
}

TEST(PaymentDates, HalfMonthlyPaymentsFollowTheMonthlyDatesByFourteenDays) {
    const QDate first(2027, 1, 31);
    EXPECT_EQ(paymentDate(first, PaymentKind::HalfMonthly, 1), QDate(2027, 1, 31));
    EXPECT_EQ(paymentDate(first, PaymentKind::HalfMonthly, 2), QDate(2027, 2, 14));
    EXPECT_EQ(paymentDate(first, PaymentKind::HalfMonthly, 3), QDate(2027, 2, 28));
    EXPECT_EQ(paymentDate(first, PaymentKind::HalfMonthly, 4), QDate(2027, 3, 14));
    EXPECT_EQ(paymentDate(first, PaymentKind::HalfMonthly, 5), QDate(2027, 3, 31));
}

TEST(PaymentDates, WeeklyKindsStepByDays) {
    const QDate first(2027, 12, 25);
    EXPECT_EQ(paymentDate(first, PaymentKind::TwoWeekly, 2), QDate(2028, 1, 8));
    EXPECT_EQ(paymentDate(first, PaymentKind::Weekly, 3), QDate(2028, 1, 8));
    EXPECT_EQ(yearDate(QDate(2028, 2, 29), 2), QDate(2029, 2, 28));
}

TEST(PaymentDates, ShortFormWithTwoDigitYearsMeansThisCentury) {
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(readDate(QStringLiteral("1/31/27"), american), QDate(2027, 1, 31));
    EXPECT_EQ(readDate(QStringLiteral("2/29/2028"), american), QDate(2028, 2, 29));
    EXPECT_EQ(readDate(QStringLiteral(" 2030-06-15 "), american), QDate(2030, 6, 15));
    EXPECT_FALSE(readDate(QStringLiteral("13/1/27"), american).isValid());
    EXPECT_FALSE(readDate(QString(), american).isValid());
    EXPECT_EQ(readDate(american.toString(QDate(2027, 1, 15), QLocale::LongFormat), american),
              QDate(2027, 1, 15));
    EXPECT_EQ(
        readDate(QLocale::c().toString(QDate(2027, 1, 15), QLocale::LongFormat), QLocale::c()),
        QDate(2027, 1, 15));
}

TEST(PaymentDates, DateColumnsTakeTheShortFormOnlyWhenEveryDateFitsTenCharacters) {
    EXPECT_EQ(columnDateFormat(QLocale(QLocale::English, QLocale::UnitedStates)),
              QLocale(QLocale::English, QLocale::UnitedStates).dateFormat(QLocale::ShortFormat));
    EXPECT_EQ(columnDateFormat(QLocale(QLocale::German, QLocale::Germany)),
              QLocale(QLocale::German, QLocale::Germany).dateFormat(QLocale::ShortFormat));
    EXPECT_EQ(columnDateFormat(QLocale::c()), QStringLiteral("yyyy-MM-dd")); // "15 Jan 2027"
}

TEST(PaymentDates, ScheduleCarriesDatesOnlyWhenShown) {
    MortgageInputs in = inputs(100000, 10.125, 25, Semiannual);
    in.DateView = 1;
    const MortgageResult all = calculateMortgage(in);
    EXPECT_EQ(all.PayTable[2].date, QDate(2027, 2, 28));
    EXPECT_EQ(all.PayTable[300].date, QDate(2051, 12, 31));

    in.view = View::Annual;
    const MortgageResult annual = calculateMortgage(in);
    EXPECT_EQ(annual.PayTable[2].date, QDate(2028, 1, 31));

    in.DateView = 0;
    in.view = View::All;
    EXPECT_FALSE(calculateMortgage(in).PayTable[2].date.isValid());
}
