#pragma once

#include "core/money/Currency.h"

#include <array>

namespace pennywell {

// Rows 1..n are the years, row n+1 the totals; columns 1..4 hold the year number, the amount
// invested, the interest/growth and the year-end value. Column 5 is the graph screen's copy
// of column 4; row 0 and column 0 are unused.
inline constexpr int GrowthTableRows = 102;
inline constexpr int GrowthTableColumns = 6;
using GrowthRow = std::array<Currency, GrowthTableColumns>;
using GrowthTable = std::array<GrowthRow, GrowthTableRows>;

// Slots of the savings planner's committed inputs; 7 and 8 belong to the yearly dialog.
enum SavingsSlot {
    LumpSumSlot = 1,
    AnnualAmountSlot = 2,
    RateSlot = 3,
    TermSlot = 4,
    InflationSlot = 5,
    IncreaseSlot = 6,
    YearlyRateSlot = 7,
    YearlyDepositSlot = 8,
};

// What the savings planner keeps while it is open; the graph screen and the printout read it.
struct SavingsState {
    std::array<Currency, 9> EntryValues{};
    GrowthTable growthTable{};
};

} // namespace pennywell
