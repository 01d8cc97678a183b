#include "core/mortgage/PaymentFrequency.h"

namespace pennywell::mortgage {

const QStringList& compoundingRows() {
    static const QStringList rows = {
        QStringLiteral("      Monthly"), QStringLiteral("    Bimonthly"),
        QStringLiteral("    Quarterly"), QStringLiteral("   Semiannual"),
        QStringLiteral("       Annual"),
    };
    return rows;
}

const QStringList& frequencyRows() {
    static const QStringList rows = {
        QStringLiteral("      Monthly"),  QStringLiteral("  Semimonthly"),
        QStringLiteral("      2 Weeks"),  QStringLiteral("      1 Week"),
        QStringLiteral(" Biweekly(Acc)"), QStringLiteral("   Weekly(Acc)"),
    };
    return rows;
}

std::optional<int> compoundingPeriods(const QString& row) {
    static constexpr int periods[] = {12, 6, 4, 2, 1};
    const qsizetype index = compoundingRows().indexOf(row);
    if (index < 0)
        return std::nullopt;
    return periods[index];
}

std::optional<PaymentFrequency> paymentFrequency(const QString& row,
                                                 const DaysInYearSetting& days) {
    switch (frequencyRows().indexOf(row)) {
    case 0:
        return PaymentFrequency{PaymentKind::Monthly, 12, 12, 1};
    case 1:
        return PaymentFrequency{PaymentKind::HalfMonthly, 24, 24, 1.0 / 2};
    case 2:
        return PaymentFrequency{PaymentKind::TwoWeekly, 26, days.FortnightsPerYear, 12.0 / 26};
    case 3:
        return PaymentFrequency{PaymentKind::Weekly, 52, days.WeeksPerYear, 12.0 / 52};
    case 4: // accelerated: half the monthly payment every two weeks
        return PaymentFrequency{PaymentKind::TwoWeekly, 26, days.FortnightsPerYear, 1.0 / 2};
    case 5: // accelerated: a quarter of the monthly payment every week
        return PaymentFrequency{PaymentKind::Weekly, 52, days.WeeksPerYear, 1.0 / 4};
    default:
        return std::nullopt;
    }
}

} // namespace pennywell::mortgage
