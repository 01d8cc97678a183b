#include "cli/GraphOutput.h"

#include "cli/FigureTable.h"
#include "core/format/TableText.h"
#include "core/graph/GraphAxis.h"
#include "core/graph/GraphSeries.h"

#include <QJsonArray>

namespace pennywell::cli {
namespace {

// The labels are the year numbers the category axis shows.
FigureTable pointFigures(const graph::GraphSeries& series) {
    FigureTable table{{"label", "value"}, {}};
    for (const graph::GraphPoint& point : series.points)
        table.rows.append({point.label.toDouble(), point.value});
    return table;
}

} // namespace

QString graphText(OutputFormat format, const graph::GraphSeries& series,
                  const QString& currencySymbol) {
    if (format == OutputFormat::Csv)
        return csvText(pointFigures(series));
    QString text;
    for (const graph::GraphPoint& point : series.points)
        text += graph::pointTip(point, currencySymbol) + u'\n';
    return text;
}

QJsonObject graphJson(const graph::GraphSeries& series, bool withValues) {
    QJsonArray points;
    for (const graph::GraphPoint& point : series.points)
        points.append(QJsonObject{{"label", point.label},
                                  {"value", plainNumber(point.value, StoredDecimals)}});
    QJsonObject json{{"title", series.title}, {"points", points}};
    if (withValues)
        json.insert("values", QJsonObject{{"points", jsonRows(pointFigures(series))}});
    return json;
}

} // namespace pennywell::cli
