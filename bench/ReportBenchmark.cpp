#include "core/mortgage/MortgageEngine.h"
#include "core/report/MortgageTable.h"

#include <benchmark/benchmark.h>

using namespace pennywell;
using namespace pennywell::mortgage;

namespace {

// The longest printed table: 40 years of weekly payments in a 363-day year, every payment
// listed with its date.
MortgageInputs longestTable() {
    MortgageInputs inputs = defaultInputs(Mode::Mortgage);
    inputs.principal = Currency::fromUnits(100000 * Currency::UnitsPerWhole);
    inputs.ratePercent = Currency::fromUnits(5 * Currency::UnitsPerWhole);
    inputs.term = Currency::fromUnits(40 * Currency::UnitsPerWhole);
    inputs.compounding = Compounding::Monthly;
    inputs.frequency = Frequency::OneWeek;
    inputs.days = daysInYearSetting(3);
    inputs.view = View::All;
    inputs.DateView = 1;
    inputs.FirstPayDate = QDate(2027, 1, 31);
    return inputs;
}

} // namespace

static void layOutTheLongestMortgageTable(benchmark::State& state) {
    const MortgageInputs inputs = longestTable();
    const MortgageResult result = calculateMortgage(inputs);
    const report::ReportOptions options{QStringLiteral("Schedule for the bank"),
                                        pennywell::PrinterFont::Standard, QStringLiteral("$")};
    for (auto _ : state)
        benchmark::DoNotOptimize(report::mortgageTable(inputs, result, options));
    state.counters["rows"] = result.ResultCount - 1;
    state.counters["pages"] = double(report::mortgageTable(inputs, result, options).pages.size());
}
BENCHMARK(layOutTheLongestMortgageTable)->Unit(benchmark::kMillisecond);
