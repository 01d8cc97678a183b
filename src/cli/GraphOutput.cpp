#include "cli/GraphOutput.h"

#include "core/format/TableText.h"
#include "core/graph/GraphAxis.h"
#include "core/graph/GraphSeries.h"

#include <QJsonArray>

namespace pennywell::cli {
QString graphText(OutputFormat format, const graph::GraphSeries& series,
                  const QString& currencySymbol) {
    QString text = format == OutputFormat::Csv ? QStringLiteral("label,value\n") : QString();
    for (const graph::GraphPoint& point : series.points) {
        if (format == OutputFormat::Csv)
            text += point.label + u',' + plainNumber(point.value, StoredDecimals) + u'\n';
        else
            text += graph::pointTip(point, currencySymbol) + u'\n';
    }
    return text;
}

QJsonObject graphJson(const graph::GraphSeries& series) {
    QJsonArray points;
    for (const graph::GraphPoint& point : series.points)
        points.append(QJsonObject{{"label", point.label},
                                  {"value", plainNumber(point.value, StoredDecimals)}});
    return {{"title", series.title}, {"points", points}};
}

} // namespace pennywell::cli
