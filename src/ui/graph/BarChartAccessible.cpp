#include "ui/graph/BarChartAccessible.h"

#include "ui/graph/BarChart.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace pennywell::ui {
namespace {

// One bar: not a widget of its own, so it answers from the chart's content and geometry.
class BarInterface final : public QAccessibleInterface {
public:
    BarInterface(BarChart* chart, int index) : chart_(chart), index_(index) {}

    bool isValid() const override {
        return chart_ && index_ < chart_->content().series.points.size();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return chart_ ? chart_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(chart_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid())
            return {};
        const BarChartContent& content = chart_->content();
        const graph::GraphPoint& point = content.series.points[index_];
        if (kind == QAccessible::Name)
            return graph::pointName(point);
        if (kind == QAccessible::Value)
            return graph::pointValue(point, content.currencySymbol);
        return {};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !isValid() || !chart_->isVisible();
        return state;
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const BarChartGeometry drawn = chart_->drawnGeometry();
        const QRectF face = drawn.bars[index_];
        const QRect bar = face.united(face.translated(drawn.barDepth)).toAlignedRect();
        return QRect(chart_->mapToGlobal(bar.topLeft()), bar.size());
    }

private:
    QPointer<BarChart> chart_;
    int index_;
};

// The chart, whose children are its bars. Their interfaces are made when first asked for and
// kept (registered with Qt's cache) until the chart's interface goes.
class ChartInterface final : public QAccessibleWidget {
public:
    explicit ChartInterface(BarChart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
    ~ChartInterface() override {
        for (const QAccessible::Id id : std::as_const(bars_))
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && !chart()->content().series.title.isEmpty())
            return chart()->content().series.title;
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return int(chart()->content().series.points.size()); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (!bars_.contains(index))
            bars_.insert(
                index, QAccessible::registerAccessibleInterface(new BarInterface(chart(), index)));
        return QAccessible::accessibleInterface(bars_.value(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto bar = bars_.cbegin(); bar != bars_.cend(); ++bar)
            if (QAccessible::accessibleInterface(bar.value()) == child)
                return bar.key();
        return -1;
    }

private:
    BarChart* chart() const { return static_cast<BarChart*>(widget()); }
    mutable QHash<int, QAccessible::Id> bars_;
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    auto* chart = qobject_cast<BarChart*>(object);
    if (!chart || className != QLatin1String(BarChart::staticMetaObject.className()))
        return nullptr;
    return new ChartInterface(chart);
}

} // namespace

void installBarChartAccessibility() {
    QAccessible::installFactory(interfaceFor); // a second install is ignored
}

} // namespace pennywell::ui
