#include "core/mortgage/RateConversion.h"

#include <cmath>

namespace pennywell::mortgage {

CompoundedRate compoundedRate(double ratePercent, int compoundingPeriodsPerYear) {
    const float r = float(ratePercent / 100);
    const float perPeriod = r / float(compoundingPeriodsPerYear);
    return {1.0f + perPeriod, compoundingPeriodsPerYear};
}

float CompoundedRate::monthlyRate() const {
    const float exponent = float(periodsPerYear) / 12.0f;
    // Subtracting in double before holding the result in single keeps the small rate's digits;
    // rounding the power first would leave schedules that never pay off.
    return float(std::pow(double(base), double(exponent)) - 1.0);
}

double CompoundedRate::ratePerPeriod(double paymentPeriodsPerYear) const {
    return std::pow(double(base), double(periodsPerYear) / paymentPeriodsPerYear) - 1.0;
}

double CompoundedRate::wholeTermDiscount(double termYears) const {
    return 1.0 / std::pow(double(base), termYears * periodsPerYear);
}

} // namespace pennywell::mortgage
