#pragma once

#include "core/mortgage/PaymentFrequency.h"

#include <QDate>
#include <QLocale>

namespace pennywell::mortgage {

// The date of payment j (1-based), counted from the first payment's date: month steps clamp to
// the month's last day, half-monthly payments fall on the monthly dates and 14 days after them.
QDate paymentDate(const QDate& FirstPayDate, PaymentKind kind, int j);

// The date shown for year y of the annual view.
QDate yearDate(const QDate& FirstPayDate, int year);

// A typed date: the locale's short form (two-digit years read as this century's), its long
// form, or yyyy-MM-dd.
QDate readDate(const QString& text, const QLocale& locale = QLocale());

// The form of the dates in a grid's or a printout's date column, which holds 10 characters:
// the locale's short form when every date fits it, otherwise yyyy-MM-dd.
QString columnDateFormat(const QLocale& locale = QLocale());

} // namespace pennywell::mortgage
