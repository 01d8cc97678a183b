#pragma once

#include <QString>

class QChart;

namespace pennywell::graph {
struct GraphSeries;
}

namespace pennywell::ui {

// Fills the chart with one set of bars: the title, the point labels along the bottom and a
// money axis with the currency symbol; hovering a bar tells its year and exact amount.
void drawTwoDeeChart(QChart& chart, const graph::GraphSeries& series,
                     const QString& currencySymbol);

} // namespace pennywell::ui
