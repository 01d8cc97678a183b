#pragma once

#include "money/Currency.h"

#include <QString>

namespace pennywell {

// Investments made during a year: the frequency number is the count of investments.
enum class InvestmentFrequency { Monthly = 12, Quarterly = 4, Semiannual = 2 };

enum class YearlyOutcome { Calculated, NoRate, Overflow };

struct YearlyResult {
    YearlyOutcome outcome = YearlyOutcome::NoRate;
    Currency amount; // 0 unless calculated
};

// Equal investments at the start of each period, each earning simple interest for the
// periods left in the year; the year-end amount in whole cents.
YearlyResult calculateYearly(Currency deposit, Currency ratePercent, InvestmentFrequency frequency);

// The result label's text.
QString yearlyResultText(const QString& currencySymbol, Currency amount);

} // namespace pennywell
