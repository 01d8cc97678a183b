#include "core/money/Currency.h"

#include <cmath>

namespace pennywell {

std::optional<Currency> Currency::fromDouble(double value) {
    const double scaled = std::nearbyint(value * UnitsPerWhole); // default mode: half to even
    // 2^63 is exactly representable; anything at or beyond it does not fit an int64.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled >= limit || scaled < -limit)
        return std::nullopt;
    return Currency(static_cast<std::int64_t>(scaled));
}

std::optional<Currency> Currency::plus(Currency other) const {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(units_, other.units_, &sum))
        return std::nullopt;
    return Currency(sum);
}

std::optional<Currency> Currency::minus(Currency other) const {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(units_, other.units_, &difference))
        return std::nullopt;
    return Currency(difference);
}

} // namespace pennywell
