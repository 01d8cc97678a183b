#include "core/format/TableText.h"

#include <QRegularExpression>
#include <algorithm>
#include <functional>

namespace pennywell {
namespace {

// A figure as the number formats write it once the symbol and grouping are gone: an optional
// minus, digits (none before a bare ".00") and an optional fraction.
const QRegularExpression FigurePattern(QStringLiteral("^(-?)(\\d*)(\\.\\d+)?$"));

QList<QStringList> withoutTrailingEmptyRows(QList<QStringList> rows) {
    const auto isEmpty = [](const QStringList& row) {
        return std::all_of(row.begin(), row.end(),
                           [](const QString& cell) { return cell.trimmed().isEmpty(); });
    };
    while (!rows.isEmpty() && isEmpty(rows.constLast()))
        rows.removeLast();
    return rows;
}

QString joinedLines(const ShownTable& table, QChar separator,
                    const std::function<QString(const QString&, bool)>& field) {
    QString text;
    const auto addLine = [&](const QStringList& cells, bool heading) {
        QStringList fields;
        for (const QString& cell : cells)
            fields.append(field(cell, heading));
        text += fields.join(separator) + u'\n';
    };
    if (!table.headings.isEmpty())
        addLine(table.headings, true);
    for (const QStringList& row : withoutTrailingEmptyRows(table.rows))
        addLine(row, false);
    return text;
}

QString oneLine(const QString& text) {
    QString line = text;
    for (QChar& character : line) {
        if (character == u'\t' || character == u'\n' || character == u'\r')
            character = u' ';
    }
    return line;
}

} // namespace

QString plainFigure(const QString& shown, const QString& currencySymbol) {
    QString text = shown.trimmed();
    if (!currencySymbol.isEmpty())
        text.remove(currencySymbol);
    text.remove(u',');
    text.remove(u' ');
    const QRegularExpressionMatch match = FigurePattern.match(text);
    if (!match.hasMatch() || (match.capturedLength(2) == 0 && match.capturedLength(3) == 0))
        return QString();
    const QString whole = match.capturedLength(2) == 0 ? QStringLiteral("0") : match.captured(2);
    return match.captured(1) + whole + match.captured(3);
}

QString plainNumber(Currency value, int fewestDecimals) {
    const std::int64_t units = value.units();
    // Negated unsigned, so the most negative value has a magnitude too.
    const std::uint64_t magnitude = units < 0 ? 0 - std::uint64_t(units) : std::uint64_t(units);
    QString fraction = QString::number(magnitude % Currency::UnitsPerWhole).rightJustified(4, u'0');
    while (fraction.size() > fewestDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    return (units < 0 ? QStringLiteral("-") : QString()) +
           QString::number(magnitude / Currency::UnitsPerWhole) + u'.' + fraction;
}

QString quotedCsvText(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString tabSeparatedText(const ShownTable& table, const QString& currencySymbol) {
    return joinedLines(table, u'\t', [&currencySymbol](const QString& cell, bool heading) {
        const QString figure = heading ? QString() : plainFigure(cell, currencySymbol);
        return figure.isEmpty() ? oneLine(heading ? cell.simplified() : cell.trimmed()) : figure;
    });
}

QString commaSeparatedText(const ShownTable& table, const QString& currencySymbol) {
    return joinedLines(table, u',', [&currencySymbol](const QString& cell, bool heading) {
        const QString figure = heading ? QString() : plainFigure(cell, currencySymbol);
        return figure.isEmpty() ? quotedCsvText(heading ? cell.simplified() : cell.trimmed())
                                : figure;
    });
}

} // namespace pennywell
