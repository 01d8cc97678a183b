#pragma once

#include "ui/graph/BarChartGeometry.h"

#include <QColor>

class QPainter;
class QPalette;

namespace pennywell::ui {

struct BarChartColours {
    QColor background;
    QColor text;
    QColor grid;
    QColor floor;
    QColor wall;
    QColor barFace;
    QColor barTop;
    QColor barSide;
    QColor barEdge;
};

// The chart's colours on the window's palette; `grey` gives shades of grey for paper printed
// in black and white, the bars still telling their faces apart.
BarChartColours barChartColours(const QPalette& palette, bool grey);

// Draws the chart laid out in `geometry` over `area`: the same drawing on the screen, in a
// picture and on paper.
void paintBarChart(QPainter& painter, const BarChartContent& content,
                   const BarChartGeometry& geometry, const BarChartColours& colours,
                   const QRectF& area);

} // namespace pennywell::ui
