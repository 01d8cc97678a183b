#include "cli/GraphOutput.h"

#include "core/graph/GraphAxis.h"
#include "core/graph/GraphSeries.h"

#include <QJsonArray>

namespace pennywell::cli {
namespace {

QString fourDecimals(Currency value) {
    const std::int64_t units = value.units();
    const std::uint64_t magnitude = units < 0 ? 0 - std::uint64_t(units) : std::uint64_t(units);
    return (units < 0 ? QStringLiteral("-") : QString()) +
           QString::number(magnitude / Currency::UnitsPerWhole) + u'.' +
           QString::number(magnitude % Currency::UnitsPerWhole).rightJustified(4, u'0');
}

} // namespace

QString graphText(OutputFormat format, const graph::GraphSeries& series,
                  const QString& currencySymbol) {
    QString text = format == OutputFormat::Csv ? QStringLiteral("label,value\n") : QString();
    for (const graph::GraphPoint& point : series.points) {
        if (format == OutputFormat::Csv)
            text += point.label + u',' + fourDecimals(point.value) + u'\n';
        else
            text += graph::pointTip(point, currencySymbol) + u'\n';
    }
    return text;
}

QJsonObject graphJson(const graph::GraphSeries& series) {
    QJsonArray points;
    for (const graph::GraphPoint& point : series.points)
        points.append(QJsonObject{{"label", point.label}, {"value", fourDecimals(point.value)}});
    return {{"title", series.title}, {"points", points}};
}

} // namespace pennywell::cli
