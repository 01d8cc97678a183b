#include "mortgage/PaymentDates.h"

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
        date = QDate::fromString(trimmed, Qt::ISODate);
    return date;
}

QDate yearDate(const QDate& FirstPayDate, int year) {
    return FirstPayDate.addMonths(12 * (year - 1));
}

} // namespace pennywell::mortgage
