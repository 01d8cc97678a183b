#pragma once

#include <QStringView>

namespace pennywell {

// The number a box's text stands for: blanks, tabs and line feeds are ignored wherever they
// stand, reading stops at the first character that cannot continue a decimal number, and a
// text without a leading number is 0 ("12.5.3" is 12.5, "$100" is 0). A number beyond the
// range of double reads as the largest double, with its sign.
double leadingNumber(QStringView text);

} // namespace pennywell
