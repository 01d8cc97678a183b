#include "core/graph/GraphAxis.h"

#include "core/format/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace pennywell::graph {
namespace {

constexpr int Intervals = 5;

double niceStep(double range) {
    const double rough = range / Intervals;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= rough)
            return factor * magnitude;
    }
    return 10 * magnitude;
}

} // namespace

QList<AxisTick> moneyAxisTicks(const GraphSeries& series, const QString& currencySymbol) {
    double low = 0;
    double high = 0;
    for (const GraphPoint& point : series.points) {
        low = std::min(low, point.value.toDouble());
        high = std::max(high, point.value.toDouble());
    }
    // Whole currency units at least, so an empty or tiny series still gets a readable axis.
    const double step = std::max(1.0, niceStep(std::max(high - low, 1.0)));
    const double first = std::floor(low / step) * step;
    const double last = std::max(std::ceil(high / step) * step, first + step);
    QList<AxisTick> ticks;
    for (double value = first; value <= last + step / 2; value += step) {
        const double shown = std::abs(value) < step / 2 ? 0.0 : value;
        ticks.append({shown, moneyAxisText(shown, currencySymbol)});
    }
    return ticks;
}

QString moneyAxisText(double value, const QString& currencySymbol) {
    const QString number = formatNumber(std::abs(value), u"###,###,###,##0");
    // A value that rounds to no whole unit is not written as "-$0".
    const bool negative = value < 0 && number != QLatin1String("0");
    return (negative ? QStringLiteral("-") : QString()) + currencySymbol + number;
}

QString moneyText(Currency amount, const QString& currencySymbol) {
    return currencySymbol + formatNumber(amount.toDouble(), u"###,###,###,##0.00");
}

QString pointName(const GraphPoint& point) {
    return QStringLiteral("Year ") + point.label;
}

QString pointValue(const GraphPoint& point, const QString& currencySymbol) {
    return moneyText(point.value, currencySymbol);
}

QString pointTip(const GraphPoint& point, const QString& currencySymbol) {
    return pointName(point) + QStringLiteral(": ") + pointValue(point, currencySymbol);
}

} // namespace pennywell::graph
