#include "core/format/NumberFormat.h"

#include <benchmark/benchmark.h>

// Grids show thousands of money cells; each goes through the same pattern formatting.
static void formatMoneyCell(benchmark::State& state) {
    double value = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pennywell::moneyText("$", value, u"####,,###.00", 14));
        value += 1234.567;
    }
}
BENCHMARK(formatMoneyCell);

static void formatYearCell(benchmark::State& state) {
    double year = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pennywell::formatNumber(year, u"##"));
        year += 1.0;
    }
}
BENCHMARK(formatYearCell);
