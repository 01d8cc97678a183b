#include "core/mortgage/PaymentDates.h"

namespace pennywell::mortgage {

QDate paymentDate(const QDate& FirstPayDate, PaymentKind kind, int j) {
    const int steps = j - 1;
    switch (kind) {
    case PaymentKind::Monthly:
        return FirstPayDate.addMonths(steps);
    case PaymentKind::HalfMonthly: {
        const QDate monthly = FirstPayDate.addMonths(steps / 2);
        return steps % 2 == 0 ? monthly : monthly.addDays(14);
    }
    // Day steps are plain Julian-day arithmetic, cheap for the longest schedules.
    case PaymentKind::TwoWeekly:
        return QDate::fromJulianDay(FirstPayDate.toJulianDay() + 14LL * steps);
    case PaymentKind::Weekly:
        return QDate::fromJulianDay(FirstPayDate.toJulianDay() + 7LL * steps);
    }
    return {};
}

QDate readDate(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    const QString shortForm = locale.dateFormat(QLocale::ShortFormat);
    QDate date = locale.toDate(trimmed, shortForm);
    if (date.isValid() && !shortForm.contains(QStringLiteral("yyyy")) && date.year() < 2000)
        date = date.addYears(100); // a two-digit year means this century, not the last
    if (!date.isValid() && shortForm.contains(QStringLiteral("yy")) &&
        !shortForm.contains(QStringLiteral("yyyy"))) {
        QString fourDigits = shortForm;
        date = locale.toDate(trimmed,
                             fourDigits.replace(QStringLiteral("yy"), QStringLiteral("yyyy")));
    }
    if (!date.isValid())
        date = locale.toDate(trimmed, QLocale::LongFormat);
    if (!date.isValid())
        date = QDate::fromString(trimmed, Qt::ISODate);
    return date;
}

QString columnDateFormat(const QLocale& locale) {
    constexpr qsizetype ColumnWidth = 10;
    const QString shortForm = locale.dateFormat(QLocale::ShortFormat);
    // Two-digit days and months in every month and on every weekday: the widest dates the
    // form writes, names of months and days included.
    bool fits = true;
    for (int month = 1; month <= 12 && fits; ++month)
        fits = locale.toString(QDate(2000, month, 28), shortForm).size() <= ColumnWidth;
    for (int day = 22; day <= 28 && fits; ++day)
        fits = locale.toString(QDate(2000, 12, day), shortForm).size() <= ColumnWidth;
    return fits ? shortForm : QStringLiteral("yyyy-MM-dd");
}

QDate yearDate(const QDate& FirstPayDate, int year) {
    return FirstPayDate.addMonths(12 * (year - 1));
}

} // namespace pennywell::mortgage
