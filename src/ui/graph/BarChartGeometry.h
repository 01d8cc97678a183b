#pragma once

#include "core/graph/GraphAxis.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>

namespace pennywell::ui {

enum class BarStyle { Flat, Solid }; // two or three dimensions

// What one chart shows: the series with its money axis, prepared once by the core.
struct BarChartContent {
    graph::GraphSeries series;
    QList<graph::AxisTick> ticks;
    QString currencySymbol;
};

BarChartContent barChartContent(const graph::GraphSeries& series, const QString& currencySymbol);

// Where every part of a chart goes in a rectangle. The bars stand in the front plane; in three
// dimensions the floor and the back wall lie `depth` behind it (to the right and up), each bar
// `barOffset` behind the front plane and `barDepth` deep.
struct BarChartGeometry {
    QRectF front; // left: the value axis; bottom: the floor's front edge
    QPointF depth;
    QPointF barOffset;
    QPointF barDepth;
    double low = 0;     // the value at the bottom of the axis
    double high = 1;    // the value at its top
    QList<QRectF> bars; // each bar's front face, from zero to its value
    QFont moneyFont;
    QFont yearFont;
    bool yearsUpright = false; // read from bottom to top when they would not fit side by side
    double yearTop = 0;        // the line the year labels hang from
    QRectF yearTitle;

    // The height of a value in the front plane.
    double yOf(double value) const;
    // The bar whose drawing (faces and depth) holds the point; -1 for none.
    int barAt(const QPointF& point) const;
};

BarChartGeometry layOutBarChart(const BarChartContent& content, const QRectF& area, BarStyle style,
                                const QFont& font);

} // namespace pennywell::ui
