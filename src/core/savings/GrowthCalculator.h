#pragma once

#include "core/savings/SavingsState.h"

namespace pennywell {

inline constexpr int MaximumSavingsTerm = 50;

struct GrowthInputs {
    Currency lumpSum;
    Currency annualAmount;
    Currency ratePercent;
    Currency years;
    Currency inflationPercent;
    Currency increasePercent;
};

enum class GrowthOutcome { Calculated, TermOverLimit, Overflow };

struct GrowthResult {
    GrowthOutcome outcome = GrowthOutcome::Calculated;
    GrowthTable table{};
    int yearsShown = 1;  // year rows in the grid; a term of 0 still shows year 1
    int resultCount = 0; // what the graph screen and the printout may read; 0 when refused
};

// The savings table for inputs as the planner stores them (the slots of SavingsState).
GrowthInputs growthInputsFrom(const SavingsState& savings);

// Year-by-year growth of a lump sum and yearly investments. The rate is held in single
// precision, which the yearly interest figures depend on; the year-end value is carried
// in double and only the table cells are rounded to currency.
GrowthResult calculateGrowth(const GrowthInputs& inputs);

} // namespace pennywell
