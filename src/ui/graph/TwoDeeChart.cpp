#include "graph/TwoDeeChart.h"

#include "graph/GraphAxis.h"
#include "graph/GraphSeries.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QToolTip>

namespace pennywell::ui {

void drawTwoDeeChart(QChart& chart, const graph::GraphSeries& series,
                     const QString& currencySymbol) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis); // gives the axis back to be deleted here
        delete axis;
    }

    auto* bars = new QBarSet(series.title);
    bars->setObjectName(QStringLiteral("Bars"));
    bars->setColor(QColor(0x3a, 0x6e, 0xa5));
    bars->setBorderColor(QColor(0x25, 0x4a, 0x70));
    QStringList labels;
    for (const graph::GraphPoint& point : series.points) {
        bars->append(point.value.toDouble());
        labels.append(point.label);
    }
    const QList<graph::GraphPoint> points = series.points;
    QObject::connect(
        bars, &QBarSet::hovered, bars, [points, currencySymbol](bool entered, int index) {
            if (entered && index >= 0 && index < points.size())
                QToolTip::showText(QCursor::pos(), graph::pointTip(points[index], currencySymbol));
            else
                QToolTip::hideText();
        });

    auto* barSeries = new QBarSeries;
    barSeries->setBarWidth(0.7);
    barSeries->append(bars);
    chart.addSeries(barSeries);
    chart.setTitle(series.title);
    QFont titleFont = chart.titleFont();
    titleFont.setBold(true);
    titleFont.setPointSize(11);
    chart.setTitleFont(titleFont);
    chart.legend()->hide();

    auto* years = new QBarCategoryAxis;
    years->append(labels);
    years->setTitleText(QStringLiteral("Year"));
    QFont yearFont = years->labelsFont();
    yearFont.setPointSize(8);
    years->setLabelsFont(yearFont);
    // The chart would shorten a year number to "..." as soon as it nears its neighbour; up to
    // 50 years fit whole, standing on end beyond 30.
    years->setTruncateLabels(false);
    years->setLabelsAngle(labels.size() > 30 ? -90 : 0);
    chart.addAxis(years, Qt::AlignBottom);
    barSeries->attachAxis(years);

    // A category axis placed on values shows money as the program writes it ("$20,000").
    // Each label sits on the end of its category, so the first category starts just below
    // the lowest tick to give that tick its label too.
    auto* money = new QCategoryAxis;
    money->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const QList<graph::AxisTick> ticks = graph::moneyAxisTicks(series, currencySymbol);
    const double step = ticks[1].value - ticks[0].value;
    money->setStartValue(ticks.first().value - step / 1000);
    for (const graph::AxisTick& tick : ticks)
        money->append(tick.text, tick.value);
    money->setRange(ticks.first().value, ticks.last().value);
    chart.addAxis(money, Qt::AlignLeft);
    barSeries->attachAxis(money);
}

} // namespace pennywell::ui
