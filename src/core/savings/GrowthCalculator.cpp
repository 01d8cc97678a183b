#include "core/savings/GrowthCalculator.h"

#include <cmath>

namespace pennywell {
namespace {

// Runs the years into the result's table; false when a value leaves the currency range.
bool fillTable(const GrowthInputs& in, int years, GrowthResult& result) {
    GrowthTable& table = result.table;
    const double rate = static_cast<float>(in.ratePercent.toDouble() / 100);
    const double inflation = in.inflationPercent.toDouble() / 100;
    const double increase = in.increasePercent.toDouble() / 100;

    const auto invested = in.lumpSum.plus(in.annualAmount);
    if (!invested)
        return false;
    const auto interest = Currency::fromDouble(invested->toDouble() * rate);
    if (!interest)
        return false;
    const auto firstValue = interest->plus(*invested);
    if (!firstValue)
        return false;
    double value = firstValue->toDouble();
    value -= value * inflation;
    const auto firstCell = Currency::fromDouble(value);
    if (!firstCell)
        return false;
    table[1] = {Currency(), Currency::fromWhole(1), *invested, *interest, *firstCell, Currency()};

    Currency total = *invested;
    Currency annual = in.annualAmount;
    for (int year = 2; year <= years; ++year) {
        // The increase applies from the second year on.
        const auto raised = Currency::fromDouble(annual.toDouble() + annual.toDouble() * increase);
        if (!raised)
            return false;
        annual = *raised;
        const double start = value + annual.toDouble();
        const auto earned = Currency::fromDouble(start * rate);
        if (!earned)
            return false;
        value = start + earned->toDouble();
        value -= value * inflation;
        const auto cell = Currency::fromDouble(value);
        const auto newTotal = total.plus(annual);
        if (!cell || !newTotal)
            return false;
        total = *newTotal;
        table[std::size_t(year)] = {Currency(), Currency::fromWhole(year), annual, *earned, *cell,
                                    Currency()};
    }

    const int shown = result.yearsShown;
    const auto finalValue = Currency::fromDouble(value);
    if (!finalValue)
        return false;
    const auto gain = finalValue->minus(total);
    if (!gain)
        return false;
    table[std::size_t(shown + 1)] = {
        Currency(), Currency::fromWhole(shown), total, *gain, *finalValue, Currency()};
    return true;
}

} // namespace

GrowthInputs growthInputsFrom(const SavingsState& savings) {
    const auto& entries = savings.EntryValues;
    return {entries[LumpSumSlot], entries[AnnualAmountSlot], entries[RateSlot],
            entries[TermSlot],    entries[InflationSlot],    entries[IncreaseSlot]};
}

GrowthResult calculateGrowth(const GrowthInputs& inputs) {
    GrowthResult result;
    // Ties go to the even year, as the stored term is committed.
    const double rounded = std::nearbyint(inputs.years.toDouble());
    if (rounded > MaximumSavingsTerm) {
        result.outcome = GrowthOutcome::TermOverLimit;
        return result;
    }
    const int years = rounded < 0 ? 0 : int(rounded);
    result.yearsShown = years < 1 ? 1 : years;
    if (!fillTable(inputs, years, result)) {
        result.outcome = GrowthOutcome::Overflow;
        return result;
    }
    result.resultCount = years;
    return result;
}

} // namespace pennywell
