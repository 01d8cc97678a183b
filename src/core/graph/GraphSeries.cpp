#include "core/graph/GraphSeries.h"

#include "core/mortgage/MortgageInputs.h"
#include "core/mortgage/MortgageResult.h"
#include "core/state/AppState.h"

#include <array>
#include <cmath>

namespace pennywell::graph {
namespace {

// The points table the mortgage planner fills for the graph: rows 0..45, label and value.
constexpr int PointRows = 46;
struct PointRow {
    Currency label;
    Currency value;
};
using PointTable = std::array<PointRow, PointRows>;

QString labelText(Currency label) {
    return QString::number(label.toDouble(), 'g', 15);
}

// K: every counted row is a point, but a single year is drawn as two bars.
int pointCount(int count) {
    return count == 1 ? 2 : count;
}

// A row past the end of the schedule reads as the zero row of a fresh table.
Currency balanceAt(const std::vector<mortgage::PayRow>& table, int row) {
    return row >= 0 && row < int(table.size()) ? table[std::size_t(row)].balance : Currency();
}

} // namespace

GraphSeries savingsSeries(const GrowthTable& table, int resultCount, const QString& title) {
    GraphSeries series{title, {}};
    const int K = std::min(pointCount(resultCount), GrowthTableRows - 1);
    for (int i = 1; i <= K; ++i) {
        const GrowthRow& row = table[std::size_t(i)];
        // Column 5 is the graph's copy of the year-end value for the counted years; past
        // them it has never been written.
        const Currency value = i <= resultCount ? row[4] : row[5];
        series.points.append({labelText(row[1]), value});
    }
    return series;
}

GraphSeries mortgageSeries(const mortgage::MortgageResult& result, Currency principal) {
    const int N = result.PaymentsPerYear;
    const int n = std::min(result.scheduleYears(), PointRows - 2);
    PointTable points{};
    points[1] = {Currency::fromWhole(1), principal};
    if (result.view == mortgage::View::All) {
        const Currency paidOff = Currency::fromWhole(1);
        for (int y = 1; y <= n; ++y) {
            // Block 1 is rows 1..N; each later block starts on the last row of the one before.
            const int first = y == 1 ? 1 : (y - 1) * N;
            for (int row = first; row <= y * N; ++row) {
                const Currency balance = balanceAt(result.PayTable, row);
                points[std::size_t(y + 1)] = {Currency::fromWhole(y + 1), balance};
                if (balance <= paidOff)
                    break;
            }
        }
    } else {
        for (int i = 1; i <= n; ++i)
            points[std::size_t(i + 1)] = {Currency::fromWhole(i + 1),
                                          balanceAt(result.PayTable, i)};
    }

    GraphSeries series{result.GraphTitle, {}};
    const int K = pointCount(n);
    for (int k = 1; k <= K; ++k)
        series.points.append(
            {labelText(points[std::size_t(k)].label), points[std::size_t(k)].value});
    return series;
}

GraphSeries seriesFor(const AppState& state) {
    if (state.graph.ResultCount == 0)
        return {};
    switch (state.graph.GraphKind) {
    case SavingsGraph:
        return savingsSeries(state.savings.growthTable, state.graph.ResultCount,
                             state.graph.GraphTitle);
    case MortgageGraph:
        return mortgageSeries(state.mortgage.result, state.mortgage.inputs.principal);
    default:
        return {};
    }
}

} // namespace pennywell::graph
