#include "core/mortgage/MortgageEngine.h"
#include "core/mortgage/MortgagePresenter.h"

#include <benchmark/benchmark.h>

using namespace pennywell::mortgage;

namespace {

// The largest schedule the planner shows: 40 years of weekly payments, every payment listed
// with its date.
MortgageInputs largestSchedule() {
    MortgageInputs inputs = defaultInputs(Mode::Mortgage);
    inputs.term = pennywell::Currency::fromUnits(40 * pennywell::Currency::UnitsPerWhole);
    inputs.compounding = Compounding::Semiannual;
    inputs.frequency = Frequency::OneWeek;
    inputs.view = View::All;
    inputs.DateView = 1;
    inputs.FirstPayDate = QDate(2027, 1, 31);
    return inputs;
}

} // namespace

static void calculateLargestSchedule(benchmark::State& state) {
    const MortgageInputs inputs = largestSchedule();
    for (auto _ : state)
        benchmark::DoNotOptimize(calculateMortgage(inputs));
    state.counters["payments"] = calculateMortgage(inputs).paymentsMade;
}
BENCHMARK(calculateLargestSchedule)->Unit(benchmark::kMicrosecond);

static void calculateAndWriteTheGrid(benchmark::State& state) {
    const MortgageInputs inputs = largestSchedule();
    for (auto _ : state) {
        const MortgageResult result = calculateMortgage(inputs);
        benchmark::DoNotOptimize(filledGrid(result, QStringLiteral("$")));
        benchmark::DoNotOptimize(boxTexts(result, QStringLiteral("$")));
    }
}
BENCHMARK(calculateAndWriteTheGrid)->Unit(benchmark::kMillisecond);
