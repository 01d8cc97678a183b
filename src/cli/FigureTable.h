#pragma once

#include "core/money/Currency.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QStringList>
#include <variant>

namespace pennywell::cli {

// Money held as a double (a budget's records), written to the four decimals Currency stores.
struct Amount {
    double value = 0.0;
};

// One figure of a row: none (an empty field), money, another number (a count, a year, a
// rate), a text or a date.
using Figure = std::variant<std::monostate, Currency, Amount, double, QString, QDate>;
using FigureRow = QList<Figure>;

// The rows a command gives to scripts, under lower_snake column names. The same table is the
// CSV output and the rows of the JSON "values", so both always carry the same figures.
struct FigureTable {
    QStringList columns;
    QList<FigureRow> rows;
};

// The one CSV form: a header row, then one line per row; numbers without symbol or grouping
// with "." before the decimals, money with all four stored decimals, dates as yyyy-MM-dd, texts
// quoted with their quotes doubled.
QString csvText(const FigureTable& table);

// A figure as a JSON value: numbers as numbers (money rounded to four decimals), dates as
// yyyy-MM-dd, none as null.
QJsonValue jsonFigure(const Figure& figure);
// Each row as an object keyed by the column names.
QJsonArray jsonRows(const FigureTable& table);

} // namespace pennywell::cli
