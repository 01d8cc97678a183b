#pragma once

#include "cli/CommandOutput.h"

namespace pennywell::graph {
struct GraphSeries;
}

namespace pennywell::cli {

// The points the graph screen would draw, instead of the grid: JSON {"title", "points"} and,
// `withValues`, the points as numbers in "values"; text one line per point; CSV "label,value".
// Values are the fixed-point amounts with all four decimals.
QString graphText(OutputFormat format, const graph::GraphSeries& series,
                  const QString& currencySymbol);
QJsonObject graphJson(const graph::GraphSeries& series, bool withValues);

} // namespace pennywell::cli
