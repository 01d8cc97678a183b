#include "cli/FigureTable.h"

#include "core/format/TableText.h"

#include <QJsonObject>
#include <QLocale>

namespace pennywell::cli {
namespace {

// Rounded as Currency rounds, where the amount fits it; a larger amount has no decimals to
// round.
std::optional<Currency> storedAmount(Amount amount) {
    return Currency::fromDouble(amount.value);
}

QString csvField(const Figure& figure) {
    if (const auto* money = std::get_if<Currency>(&figure))
        return plainNumber(*money, StoredDecimals);
    if (const auto* amount = std::get_if<Amount>(&figure)) {
        const std::optional<Currency> stored = storedAmount(*amount);
        return stored ? plainNumber(*stored, StoredDecimals)
                      : QString::number(amount->value, 'f', StoredDecimals);
    }
    if (const auto* number = std::get_if<double>(&figure))
        return QString::number(*number, 'f', QLocale::FloatingPointShortest);
    if (const auto* text = std::get_if<QString>(&figure))
        return quotedCsvText(*text);
    if (const auto* date = std::get_if<QDate>(&figure))
        return date->toString(Qt::ISODate);
    return QString();
}

} // namespace

QString csvText(const FigureTable& table) {
    QString text = table.columns.join(u',') + u'\n';
    for (const FigureRow& row : table.rows) {
        QStringList fields;
        for (const Figure& figure : row)
            fields.append(csvField(figure));
        text += fields.join(u',') + u'\n';
    }
    return text;
}

QJsonValue jsonFigure(const Figure& figure) {
    if (const auto* money = std::get_if<Currency>(&figure))
        return money->toDouble();
    if (const auto* amount = std::get_if<Amount>(&figure)) {
        const std::optional<Currency> stored = storedAmount(*amount);
        return stored ? stored->toDouble() : amount->value;
    }
    if (const auto* number = std::get_if<double>(&figure))
        return *number;
    if (const auto* text = std::get_if<QString>(&figure))
        return *text;
    if (const auto* date = std::get_if<QDate>(&figure); date && date->isValid())
        return date->toString(Qt::ISODate);
    return QJsonValue::Null;
}

QJsonArray jsonRows(const FigureTable& table) {
    QJsonArray rows;
    for (const FigureRow& row : table.rows) {
        QJsonObject object;
        for (qsizetype column = 0; column < row.size(); ++column)
            object.insert(table.columns[column], jsonFigure(row[column]));
        rows.append(object);
    }
    return rows;
}

} // namespace pennywell::cli
