#pragma once

#include "core/money/Currency.h"

namespace pennywell {

// Investments made during a year: the frequency number is the count of investments.
enum class InvestmentFrequency { Monthly = 12, Quarterly = 4, Semiannual = 2 };

// The dialog's option buttons, top to bottom.
struct FrequencyOption {
    InvestmentFrequency frequency;
    const char* caption;
};
inline constexpr FrequencyOption FrequencyOptions[] = {
    {InvestmentFrequency::Monthly, "Monthly"},
    {InvestmentFrequency::Quarterly, "Quarterly"},
    {InvestmentFrequency::Semiannual, "Semiannually"},
};

enum class YearlyOutcome { Calculated, NoRate, Overflow };

struct YearlyResult {
    YearlyOutcome outcome = YearlyOutcome::NoRate;
    Currency amount; // 0 unless calculated
};

// Equal investments at the start of each period, each earning simple interest for the
// periods left in the year; the year-end amount in whole cents.
YearlyResult calculateYearly(Currency deposit, Currency ratePercent, InvestmentFrequency frequency);

} // namespace pennywell
