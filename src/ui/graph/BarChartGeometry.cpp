#include "ui/graph/BarChartGeometry.h"

#include <QFontMetricsF>
#include <algorithm>

namespace pennywell::ui {
namespace {

constexpr double BarShare = 0.7;          // of its slot, the rest is the gap between bars
constexpr double SolidBarShare = 0.62;    // in 3D the bars' sides fill part of the gap
constexpr double DepthShare = 0.045;      // of the chart's width: how far back the floor reaches
constexpr double MinDepth = 8;            // pixels: less no longer reads as depth
constexpr double MaxDepth = 28;           // more takes too much of the bars' width
constexpr double BarOffsetShare = 0.2;    // of the floor's depth, before the bars stand
constexpr double BarDepthShare = 0.6;     // of the floor's depth, the bars' own depth
constexpr double SmallestYearPoints = 7;  // smaller year numbers are hard to read
constexpr double SideBySideShrink = 0.75; // smaller than this, upright labels read better

QFont withPointSize(const QFont& font, double points) {
    QFont sized(font);
    sized.setPointSizeF(points);
    return sized;
}

double pointSizeOf(const QFont& font) {
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() * 72.0 / 96.0;
}

double widestText(const QFontMetricsF& metrics, const QStringList& texts) {
    double widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

QStringList yearLabels(const BarChartContent& content) {
    QStringList labels;
    for (const graph::GraphPoint& point : content.series.points)
        labels.append(point.label);
    return labels;
}

// The largest font, no larger than the window's, in which every year label fits its slot:
// side by side when that keeps it near the window's size, else standing upright.
void chooseYearFont(BarChartGeometry& geometry, const QStringList& labels, double slot,
                    const QFont& font) {
    const double full = pointSizeOf(font);
    for (double points = full; points >= full * SideBySideShrink; points -= 0.5) {
        const QFont candidate = withPointSize(font, points);
        const QFontMetricsF metrics(candidate);
        if (widestText(metrics, labels) + metrics.averageCharWidth() <= slot) {
            geometry.yearFont = candidate;
            return;
        }
    }
    geometry.yearsUpright = true;
    double points = full;
    // Upright, a label needs the height of its digits and a little air on each side.
    while (points > SmallestYearPoints) {
        const QFontMetricsF metrics(withPointSize(font, points));
        if (metrics.tightBoundingRect(QStringLiteral("0123456789")).height() * 1.3 <= slot)
            break;
        points -= 0.5;
    }
    geometry.yearFont = withPointSize(font, std::max(points, SmallestYearPoints));
}

void placeBars(BarChartGeometry& geometry, const BarChartContent& content, BarStyle style) {
    const QList<graph::GraphPoint>& points = content.series.points;
    const double slot = geometry.front.width() / double(std::max<qsizetype>(points.size(), 1));
    const double width = slot * (style == BarStyle::Solid ? SolidBarShare : BarShare);
    const double zero = geometry.yOf(std::clamp(0.0, geometry.low, geometry.high));
    for (qsizetype index = 0; index < points.size(); ++index) {
        const double left = geometry.front.left() + slot * double(index) + (slot - width) / 2;
        const double top = geometry.yOf(points[index].value.toDouble());
        QRectF face(left, std::min(top, zero), width, std::abs(zero - top));
        geometry.bars.append(face.translated(geometry.barOffset));
    }
}

} // namespace

BarChartContent barChartContent(const graph::GraphSeries& series, const QString& currencySymbol) {
    return {series, graph::moneyAxisTicks(series, currencySymbol), currencySymbol};
}

double BarChartGeometry::yOf(double value) const {
    return front.bottom() - (value - low) / (high - low) * front.height();
}

int BarChartGeometry::barAt(const QPointF& point) const {
    for (qsizetype index = bars.size() - 1; index >= 0; --index) {
        const QRectF face = bars[index];
        if (face.united(face.translated(barDepth)).contains(point))
            return int(index);
    }
    return -1;
}

BarChartGeometry layOutBarChart(const BarChartContent& content, const QRectF& area, BarStyle style,
                                const QFont& font) {
    BarChartGeometry geometry;
    geometry.moneyFont = font;
    geometry.low = content.ticks.first().value;
    geometry.high = content.ticks.last().value;
    const QFontMetricsF metrics(font);
    const double pad = metrics.height() / 2;
    QStringList moneyTexts;
    for (const graph::AxisTick& tick : content.ticks)
        moneyTexts.append(tick.text);

    const double depth =
        style == BarStyle::Solid ? std::clamp(area.width() * DepthShare, MinDepth, MaxDepth) : 0;
    geometry.depth = QPointF(depth, -depth);
    geometry.barOffset = geometry.depth * BarOffsetShare;
    geometry.barDepth = geometry.depth * BarDepthShare;

    const double left = area.left() + pad + widestText(metrics, moneyTexts) + pad;
    const double right = area.right() - pad - depth;
    const QStringList years = yearLabels(content);
    const double slot = (right - left) / double(std::max<qsizetype>(years.size(), 1));
    chooseYearFont(geometry, years, slot, font);

    const QFontMetricsF yearMetrics(geometry.yearFont);
    const double yearExtent =
        geometry.yearsUpright ? widestText(yearMetrics, years) : yearMetrics.height();
    const double titleTop = area.bottom() - pad - metrics.height();
    geometry.yearTitle = QRectF(left, titleTop, right - left, metrics.height());
    geometry.yearTop = titleTop - yearExtent - pad / 2;
    const double bottom = geometry.yearTop - pad / 2;
    const double top = area.top() + pad + std::max(depth, metrics.ascent() / 2);
    geometry.front = QRectF(left, top, right - left, std::max(bottom - top, 1.0));
    placeBars(geometry, content, style);
    return geometry;
}

} // namespace pennywell::ui
