#include "core/savings/SavingsInputs.h"

#include <gtest/gtest.h>

using namespace pennywell;

TEST(SavingsInputs, TermCommitsTheWholeNumberTheCalculationUses) {
    EXPECT_EQ(committedTerm(u"24.5").years.units(), 240000);
    EXPECT_FALSE(committedTerm(u"24.5").overLimit);
    EXPECT_EQ(committedTerm(u"25.5").years.units(), 260000);
    EXPECT_EQ(committedTerm(u"50").years.units(), 500000);
    EXPECT_FALSE(committedTerm(u"50").overLimit);
    EXPECT_TRUE(committedTerm(u"51").overLimit);
    EXPECT_EQ(committedTerm(u"51").years.units(), 500000);
    EXPECT_TRUE(committedTerm(u"100000000000000000000000").overLimit);
    EXPECT_EQ(committedTerm(u"").years.units(), 0);
    EXPECT_EQ(savingsTermBoxText(committedTerm(u"24.5").years), QString(15, u' ') + "24");
}

TEST(SavingsInputs, ValuesOutsideTheCurrencyRangeAreNotCommitted) {
    EXPECT_EQ(committedValue(u"12.5.3"), Currency::fromDouble(12.5));
    EXPECT_FALSE(committedValue(u"99999999999999999999").has_value());
}

TEST(SavingsInputs, DisplayForms) {
    const Currency thousand = *Currency::fromDouble(1000);
    EXPECT_EQ(savingsAmountBoxText("$", thousand), "    $1,000.00");
    EXPECT_EQ(savingsAmountBoxText("$", Currency(), 15), "           $.00");
    EXPECT_EQ(savingsRateBoxText(*Currency::fromDouble(-5)), "         -5.00%");
    EXPECT_EQ(yearlyRateBoxText(*Currency::fromDouble(12)), "          12.00%");
    EXPECT_EQ(savingsAmountBoxText("DM", thousand), "   DM1,000.00");
}

TEST(SavingsInputs, OnlyTheRateBoxesForNegativeValuesTakeALeadingMinus) {
    EXPECT_TRUE(isTypeableAmount(u"1000.50", false));
    EXPECT_FALSE(isTypeableAmount(u"-5", false));
    EXPECT_TRUE(isTypeableAmount(u"-5", true));
    EXPECT_FALSE(isTypeableAmount(u"5-", true));
    EXPECT_FALSE(isTypeableAmount(u"1e3", false));
}
