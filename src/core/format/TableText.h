#pragma once

#include "core/money/Currency.h"

#include <QList>
#include <QStringList>

namespace pennywell {

// Cells of a grid as the window shows them, with the grid's headings; `headings` is empty
// when the headings are not wanted.
struct ShownTable {
    QStringList headings;
    QList<QStringList> rows;
};

// A currency value as a plain number in the same form, to its stored precision: trailing zeros
// dropped down to `fewestDecimals` decimals ("1234.5000" with StoredDecimals, "1234.50" with 2).
inline constexpr int StoredDecimals = 4;
QString plainNumber(Currency value, int fewestDecimals = 2);

// The number a shown figure stands for, without the currency symbol or grouping and with a
// "." before its decimals ("$1,234.50" gives "1234.50", ".00" gives "0.00"); empty when the
// text is not a figure (a date, a description, a blank).
QString plainFigure(const QString& shown, const QString& currencySymbol);

// A text field of a comma-separated file, always quoted, its quotes doubled.
QString quotedCsvText(const QString& text);

// Tab-separated lines as spreadsheets paste them: figures plain, so they paste as numbers in
// any locale that reads "." as the decimal point, and texts with their tabs and line breaks
// made blanks. Trailing empty rows are left out.
QString tabSeparatedText(const ShownTable& table, const QString& currencySymbol);

// The same table as a comma-separated file: figures plain and unquoted, every other cell and
// every heading quoted, one line per row ending in "\n".
QString commaSeparatedText(const ShownTable& table, const QString& currencySymbol);

} // namespace pennywell
