#include "core/savings/YearlyCalculator.h"

#include "core/format/NumberFormat.h"

#include <cmath>

namespace pennywell {
namespace {

// Whole cents, half away from zero on the value as a person reads it (15 significant digits),
// the same rule the amount is displayed by, so an exact half cent rounds up.
std::optional<Currency> roundedToCents(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    QString digits = formatNumber(value, u"0.00");
    digits.remove(u'.');
    bool ok = false;
    const qlonglong cents = digits.toLongLong(&ok);
    std::int64_t units = 0;
    if (!ok || __builtin_mul_overflow(std::int64_t(cents), std::int64_t(100), &units))
        return std::nullopt;
    return Currency::fromUnits(units);
}

} // namespace

YearlyResult calculateYearly(Currency deposit, Currency ratePercent,
                             InvestmentFrequency frequency) {
    YearlyResult result;
    if (ratePercent.units() == 0)
        return result;
    const int periods = int(frequency);
    const double periodicRate = ratePercent.toDouble() / 100 / periods;
    double interest = 0;
    for (int period = 1; period <= periods; ++period)
        interest += deposit.toDouble() * periodicRate * period;

    std::int64_t investedUnits = 0; // the deposits themselves are exact
    if (__builtin_mul_overflow(deposit.units(), std::int64_t(periods), &investedUnits)) {
        result.outcome = YearlyOutcome::Overflow;
        return result;
    }
    const auto amount = roundedToCents(Currency::fromUnits(investedUnits).toDouble() + interest);
    if (!amount) {
        result.outcome = YearlyOutcome::Overflow;
        return result;
    }
    result.outcome = YearlyOutcome::Calculated;
    result.amount = *amount;
    return result;
}

} // namespace pennywell
