#pragma once

#include <cstdint>
#include <optional>

namespace pennywell {

// Fixed-point money: a 64-bit count of ten-thousandths. Every operation that could leave the
// range returns an empty optional instead of wrapping, so callers decide how to report it.
class Currency {
public:
    static constexpr std::int64_t UnitsPerWhole = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromUnits(std::int64_t units) { return Currency(units); }
    // A whole number of currency units: a year, a count, a round default amount.
    static constexpr Currency fromWhole(int number) {
        return Currency(std::int64_t(number) * UnitsPerWhole);
    }
    // Multiplies by 10,000 in double and rounds half to even; empty when the value is not
    // finite or does not fit.
    static std::optional<Currency> fromDouble(double value);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / UnitsPerWhole; }

    std::optional<Currency> plus(Currency other) const;
    std::optional<Currency> minus(Currency other) const;

    friend constexpr bool operator==(Currency, Currency) = default;
    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t units) : units_(units) {}

    std::int64_t units_ = 0;
};

} // namespace pennywell
