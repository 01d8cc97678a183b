#include "ui/graph/BarChart.h"

#include "ui/graph/BarChartAccessible.h"
#include "ui/graph/BarChartPainter.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace pennywell::ui {

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Graph1"));
    setAccessibleName(QStringLiteral("Bar graph"));
    setAttribute(Qt::WA_OpaquePaintEvent); // the chart fills every pixel itself
    content_ = barChartContent({}, QString());
    installBarChartAccessibility();
}

void BarChart::setContent(const graph::GraphSeries& series, const QString& currencySymbol) {
    content_ = barChartContent(series, currencySymbol);
    setAccessibleDescription(series.title);
    QAccessibleEvent barsChanged(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&barsChanged);
    update();
}

void BarChart::setStyle(BarStyle style) {
    style_ = style;
    update();
}

void BarChart::setGrey(bool grey) {
    grey_ = grey;
    update();
}

BarChartGeometry BarChart::drawnGeometry() const {
    return layOutBarChart(content_, QRectF(rect()), style_, font());
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBarChart(painter, content_, drawnGeometry(), barChartColours(palette(), grey_), rect());
}

bool BarChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const BarChartGeometry drawn = drawnGeometry();
    const int bar = drawn.barAt(help->pos());
    if (bar < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const QRectF face = drawn.bars[bar];
    QToolTip::showText(help->globalPos(),
                       graph::pointTip(content_.series.points[bar], content_.currencySymbol), this,
                       face.united(face.translated(drawn.barDepth)).toAlignedRect());
    return true;
}

} // namespace pennywell::ui
