#include "ui/graph/BarChartPainter.h"

#include "core/graph/GraphTexts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QPolygonF>

namespace pennywell::ui {
namespace {

const QColor BarColour(0x3a, 0x6e, 0xa5);

QColor blend(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

QColor greyOf(const QColor& colour) {
    const int level = qGray(colour.rgb());
    return QColor(level, level, level);
}

QPolygonF parallelogram(const QPointF& corner, const QPointF& along, const QPointF& back) {
    return QPolygonF({corner, corner + along, corner + along + back, corner + back});
}

void drawFlatGrid(QPainter& painter, const BarChartContent& content, const BarChartGeometry& g,
                  const BarChartColours& colours) {
    painter.setPen(QPen(colours.grid, 0));
    for (const graph::AxisTick& tick : content.ticks) {
        const double y = g.yOf(tick.value);
        painter.drawLine(QPointF(g.front.left(), y), QPointF(g.front.right(), y));
    }
    painter.setPen(QPen(colours.text, 0));
    painter.drawLine(g.front.topLeft(), g.front.bottomLeft());
    const double zero = g.yOf(std::clamp(0.0, g.low, g.high));
    painter.drawLine(QPointF(g.front.left(), zero), QPointF(g.front.right(), zero));
}

// The floor, the back wall and the left wall, with the value lines running over both walls.
void drawWalls(QPainter& painter, const BarChartContent& content, const BarChartGeometry& g,
               const BarChartColours& colours) {
    const QPointF width(g.front.width(), 0);
    const QPointF height(0, -g.front.height());
    painter.setPen(QPen(colours.grid, 0));
    painter.setBrush(colours.wall);
    painter.drawPolygon(parallelogram(g.front.bottomLeft() + g.depth, width, height));
    painter.drawPolygon(parallelogram(g.front.bottomLeft(), g.depth, height));
    painter.setBrush(colours.floor);
    painter.drawPolygon(parallelogram(g.front.bottomLeft(), width, g.depth));
    for (const graph::AxisTick& tick : content.ticks) {
        const QPointF front(g.front.left(), g.yOf(tick.value));
        painter.drawLine(front, front + g.depth);
        painter.drawLine(front + g.depth, front + g.depth + width);
    }
}

void drawFlatBars(QPainter& painter, const BarChartGeometry& g, const BarChartColours& colours) {
    painter.setPen(QPen(colours.barEdge, 0));
    painter.setBrush(colours.barFace);
    for (const QRectF& bar : g.bars)
        painter.drawRect(bar);
}

// Left to right, so that each bar hides the side of the one before it as it would in depth.
void drawSolidBars(QPainter& painter, const BarChartGeometry& g, const BarChartColours& colours) {
    painter.setPen(QPen(colours.barEdge, 0));
    for (const QRectF& bar : g.bars) {
        painter.setBrush(colours.barSide);
        painter.drawPolygon(
            parallelogram(bar.bottomRight(), QPointF(0, -bar.height()), g.barDepth));
        painter.setBrush(colours.barTop);
        painter.drawPolygon(parallelogram(bar.topLeft(), QPointF(bar.width(), 0), g.barDepth));
        painter.setBrush(colours.barFace);
        painter.drawRect(bar);
    }
}

void drawMoneyLabels(QPainter& painter, const BarChartContent& content, const BarChartGeometry& g) {
    painter.setFont(g.moneyFont);
    const QFontMetricsF metrics(g.moneyFont);
    for (const graph::AxisTick& tick : content.ticks) {
        const double y = g.yOf(tick.value);
        const QRectF place(0, y - metrics.height() / 2, g.front.left() - metrics.height() / 3,
                           metrics.height());
        painter.drawText(place, Qt::AlignRight | Qt::AlignVCenter, tick.text);
    }
}

// Each year under the middle of its bar's front, upright ones ending at the same line.
void drawYearLabels(QPainter& painter, const BarChartContent& content, const BarChartGeometry& g) {
    painter.setFont(g.yearFont);
    const QFontMetricsF metrics(g.yearFont);
    for (qsizetype index = 0; index < g.bars.size(); ++index) {
        const QString& label = content.series.points[index].label;
        const double middle = g.bars[index].center().x() - g.barOffset.x();
        if (!g.yearsUpright) {
            const QRectF place(middle - g.front.width() / 2, g.yearTop, g.front.width(),
                               metrics.height());
            painter.drawText(place, Qt::AlignHCenter | Qt::AlignTop, label);
            continue;
        }
        painter.save();
        painter.translate(middle, g.yearTop);
        painter.rotate(-90);
        const QRectF place(-g.front.height(), -metrics.height() / 2, g.front.height(),
                           metrics.height());
        painter.drawText(place, Qt::AlignRight | Qt::AlignVCenter, label);
        painter.restore();
    }
    painter.setFont(g.moneyFont);
    painter.drawText(g.yearTitle, Qt::AlignCenter, graph::YearAxisTitle);
}

} // namespace

BarChartColours barChartColours(const QPalette& palette, bool grey) {
    const QColor background = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    BarChartColours colours{background,
                            text,
                            blend(background, text, 0.3),
                            blend(background, text, 0.14),
                            blend(background, text, 0.06),
                            BarColour,
                            BarColour.lighter(140),
                            BarColour.darker(150),
                            BarColour.darker(190)};
    if (!grey)
        return colours;
    // Mid-grey bars keep black labels and lines readable against them.
    for (QColor* colour :
         {&colours.background, &colours.text, &colours.grid, &colours.floor, &colours.wall})
        *colour = greyOf(*colour);
    colours.barFace = QColor(150, 150, 150);
    colours.barTop = QColor(205, 205, 205);
    colours.barSide = QColor(105, 105, 105);
    colours.barEdge = QColor(60, 60, 60);
    return colours;
}

void paintBarChart(QPainter& painter, const BarChartContent& content,
                   const BarChartGeometry& geometry, const BarChartColours& colours,
                   const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, colours.background);
    const bool solid = !geometry.depth.isNull();
    if (solid)
        drawWalls(painter, content, geometry, colours);
    else
        drawFlatGrid(painter, content, geometry, colours);
    if (solid)
        drawSolidBars(painter, geometry, colours);
    else
        drawFlatBars(painter, geometry, colours);
    painter.setPen(colours.text);
    drawMoneyLabels(painter, content, geometry);
    drawYearLabels(painter, content, geometry);
    painter.restore();
}

} // namespace pennywell::ui
