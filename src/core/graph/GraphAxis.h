#pragma once

#include "core/graph/GraphSeries.h"

#include <QList>
#include <QString>

namespace pennywell::graph {

struct AxisTick {
    double value;
    QString text; // money as people read it: "$150,000"
};

// Round-numbered ticks (1, 2 or 5 times a power of ten) from below the lowest value (or 0) to
// above the highest, about five intervals, for the money axis of the chart.
QList<AxisTick> moneyAxisTicks(const GraphSeries& series, const QString& currencySymbol);

// A value on the money axis, in whole units: "$150,000", "-$2,500".
QString moneyAxisText(double value, const QString& currencySymbol);

// An amount to the cent: "$12,345.67".
QString moneyText(Currency amount, const QString& currencySymbol);

// What hovering a bar tells: "Year 5: $12,345.67".
QString pointTip(const GraphPoint& point, const QString& currencySymbol);
// The same in two parts, as a screen reader reads a bar: its name and its value.
QString pointName(const GraphPoint& point);
QString pointValue(const GraphPoint& point, const QString& currencySymbol);

} // namespace pennywell::graph
