#pragma once

#include <QString>
#include <QStringView>

namespace pennywell {

// Formats a value by one of the program's display patterns ("###,###.00", "##", "0.########").
// '#' places show no unneeded zero, '0' places always show a digit, a ',' among the integer
// places groups thousands, the places after the point fix the decimals. The value is rounded
// half away from zero at the last shown decimal, as a person reads it (15 significant digits).
QString formatNumber(double value, QStringView pattern);

// Money as shown everywhere: the currency symbol, the formatted number, right-aligned.
QString moneyText(const QString& currencySymbol, double value, QStringView pattern, int width);

// A percentage: the formatted number right-aligned to the width, then "%".
QString percentText(double value, QStringView pattern, int width);

} // namespace pennywell
