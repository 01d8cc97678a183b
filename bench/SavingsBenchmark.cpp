#include "core/savings/GrowthCalculator.h"
#include "core/savings/GrowthPresenter.h"
#include "ui/common/TextGridModel.h"

#include <benchmark/benchmark.h>

namespace {

pennywell::GrowthInputs longestTerm() {
    using pennywell::Currency;
    const auto whole = [](int value) { return Currency::fromUnits(value * 10000LL); };
    return {whole(10000), whole(1000), whole(20), whole(50), whole(3), whole(5)};
}

} // namespace

// The calculation alone, at the 50-year limit.
static void growthCalculation(benchmark::State& state) {
    const pennywell::GrowthInputs inputs = longestTerm();
    for (auto _ : state)
        benchmark::DoNotOptimize(pennywell::calculateGrowth(inputs));
}
BENCHMARK(growthCalculation);

// What one press of Calculate costs: the calculation, every cell text and the grid's model.
static void growthCalculationWithGridFill(benchmark::State& state) {
    const pennywell::GrowthInputs inputs = longestTerm();
    pennywell::ui::TextGridModel model;
    for (auto _ : state) {
        const pennywell::GrowthResult result = pennywell::calculateGrowth(inputs);
        const pennywell::GrowthGrid grid = pennywell::presentGrowth(result, QStringLiteral("$"));
        model.setGrid(grid.headers, grid.rows);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(growthCalculationWithGridFill);
