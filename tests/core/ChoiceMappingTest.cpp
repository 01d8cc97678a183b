// The typed choices against the texts the lists show and the numbers the files store: a
// choice mapped to a neighbour's row or number would calculate or print the wrong plan.
#include "core/mortgage/PaymentFrequency.h"
#include "core/settings/PersonalSettings.h"

#include <gtest/gtest.h>

using namespace pennywell;
using namespace pennywell::mortgage;

TEST(ChoiceMapping, EveryChoiceRoundTripsThroughItsListTextAndStoredNumber) {
    const int periods[] = {12, 6, 4, 2, 1};
    ASSERT_EQ(compoundingRows().size(), 5);
    for (int row = 0; row < 5; ++row) {
        const std::optional<Compounding> choice = compoundingOfRow(compoundingRows()[row]);
        ASSERT_TRUE(choice);
        EXPECT_EQ(listText(*choice), compoundingRows()[row]);
        EXPECT_EQ(compoundingPeriods(*choice), periods[row]);
    }
    const int paymentsPerYear[] = {12, 24, 26, 52, 26, 52};
    const double scale[] = {1, 0.5, 12.0 / 26, 12.0 / 52, 0.5, 0.25};
    ASSERT_EQ(frequencyRows().size(), 6);
    for (int row = 0; row < 6; ++row) {
        const std::optional<Frequency> choice = frequencyOfRow(frequencyRows()[row]);
        ASSERT_TRUE(choice);
        EXPECT_EQ(listText(*choice), frequencyRows()[row]);
        const PaymentFrequency decoded = paymentFrequency(*choice, daysInYearSetting(1));
        EXPECT_EQ(decoded.PaymentsPerYear, paymentsPerYear[row]);
        EXPECT_EQ(decoded.paymentScale, scale[row]);
    }
    // A row is compared exactly, its leading spaces included.
    EXPECT_FALSE(compoundingOfRow(QStringLiteral("Monthly")));
    EXPECT_FALSE(frequencyOfRow(frequencyRows()[0].trimmed()));

    for (int number = -1; number <= PrinterFontCount; ++number) {
        PersonalSettings settings;
        const std::optional<PrinterFont> font = printerFontNumbered(number);
        ASSERT_EQ(font.has_value(), number >= 0 && number < PrinterFontCount);
        if (!font)
            continue;
        settings.PrinterFontChoice = *font;
        EXPECT_EQ(settingsLine(settings), "\"$\"," + QByteArray::number(number) + ",\"\"\r\n");
        EXPECT_EQ(parseSettings(settingsLine(settings)).settings.PrinterFontChoice, *font);
    }
}
