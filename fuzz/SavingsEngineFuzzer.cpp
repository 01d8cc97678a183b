// The savings engines on arbitrary inputs: year-by-year growth (any lump sum, yearly amount,
// rate, term, inflation and increase) and the yearly investments (any deposit, rate and
// frequency), then their texts: never a crash or undefined behaviour.
#include "FuzzCheck.h"
#include "FuzzInputs.h"
#include "core/savings/GrowthPresenter.h"
#include "core/savings/SavingsInputs.h"
#include "core/savings/YearlyCalculator.h"

using namespace pennywell;

namespace {

void fuzzGrowth(FuzzedDataProvider& input) {
    GrowthInputs inputs;
    inputs.lumpSum = anyAmount(input, 10'000'000);
    inputs.annualAmount = anyAmount(input, 1'000'000);
    inputs.ratePercent = anyAmount(input, 100);
    inputs.years = anyAmount(input, 60);
    inputs.inflationPercent = anyAmount(input, 100);
    inputs.increasePercent = anyAmount(input, 100);
    const GrowthResult result = calculateGrowth(inputs);

    fuzzCheck(result.yearsShown >= 1 && result.yearsShown <= MaximumSavingsTerm,
              "one to 50 years shown");
    if (result.outcome == GrowthOutcome::Calculated)
        fuzzCheck(result.resultCount >= 0 && result.resultCount <= result.yearsShown,
                  "the graph gets the years shown");
    else
        fuzzCheck(result.resultCount == 0, "a refused table cannot be graphed");

    // The grid's hundreds of cells would dominate the time of every input; one in eight.
    if (input.ConsumeIntegralInRange(0, 7) == 7) {
        const GrowthGrid grid = presentGrowth(result, QStringLiteral("$"));
        for (const QStringList& row : grid.rows)
            fuzzCheck(row.size() == GrowthGridColumns, "every grid row has its four cells");
    }
    for (int slot = LumpSumSlot; slot <= IncreaseSlot; ++slot)
        savingsBoxText(slot, anyAmount(input, 1'000'000), QStringLiteral("$"));
}

void fuzzYearly(FuzzedDataProvider& input) {
    const Currency deposit = anyAmount(input, 1'000'000);
    const Currency rate = anyAmount(input, 100);
    const auto& option = FrequencyOptions[input.ConsumeIntegralInRange(0, 2)];
    const YearlyResult result = calculateYearly(deposit, rate, option.frequency);
    if (result.outcome != YearlyOutcome::Calculated)
        fuzzCheck(result.amount == Currency(), "no amount unless calculated");
    savingsAmountBoxText(QStringLiteral("$"), result.amount);
    yearlyRateBoxText(rate);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool())
        fuzzGrowth(input);
    else
        fuzzYearly(input);
    return 0;
}
