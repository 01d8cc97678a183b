#include "core/mortgage/PaymentFrequency.h"

#include <array>

namespace pennywell::mortgage {
namespace {

// Each list's rows, one per choice in the choices' order: the one table between a choice and
// the text the window shows and the printout prints.
constexpr std::array<QStringView, 5> CompoundingTexts = {
    u"      Monthly", u"    Bimonthly", u"    Quarterly", u"   Semiannual", u"       Annual",
};
constexpr std::array<QStringView, 6> FrequencyTexts = {
    u"      Monthly", u"  Semimonthly",  u"      2 Weeks",
    u"      1 Week",  u" Biweekly(Acc)", u"   Weekly(Acc)",
};

template <std::size_t Size> QStringList rowsOf(const std::array<QStringView, Size>& texts) {
    QStringList rows;
    for (const QStringView text : texts)
        rows.append(text.toString());
    return rows;
}

template <typename Choice, std::size_t Size>
std::optional<Choice> choiceOfRow(const std::array<QStringView, Size>& texts, const QString& row) {
    for (std::size_t index = 0; index < Size; ++index) {
        if (texts[index] == row)
            return Choice(index);
    }
    return std::nullopt;
}

} // namespace

const QStringList& compoundingRows() {
    static const QStringList rows = rowsOf(CompoundingTexts);
    return rows;
}

const QStringList& frequencyRows() {
    static const QStringList rows = rowsOf(FrequencyTexts);
    return rows;
}

QString listText(Compounding compounding) {
    return CompoundingTexts[std::size_t(compounding)].toString();
}

QString listText(Frequency frequency) {
    return FrequencyTexts[std::size_t(frequency)].toString();
}

std::optional<Compounding> compoundingOfRow(const QString& row) {
    return choiceOfRow<Compounding>(CompoundingTexts, row);
}

std::optional<Frequency> frequencyOfRow(const QString& row) {
    return choiceOfRow<Frequency>(FrequencyTexts, row);
}

int compoundingPeriods(Compounding compounding) {
    switch (compounding) {
    case Compounding::Monthly:
        return 12;
    case Compounding::Bimonthly:
        return 6;
    case Compounding::Quarterly:
        return 4;
    case Compounding::Semiannual:
        return 2;
    case Compounding::Annual:
        return 1;
    }
    return 12;
}

PaymentFrequency paymentFrequency(Frequency frequency, const DaysInYearSetting& days) {
    switch (frequency) {
    case Frequency::Monthly:
        return PaymentFrequency{PaymentKind::Monthly, 12, 12, 1};
    case Frequency::Semimonthly:
        return PaymentFrequency{PaymentKind::HalfMonthly, 24, 24, 1.0 / 2};
    case Frequency::TwoWeeks:
        return PaymentFrequency{PaymentKind::TwoWeekly, 26, days.FortnightsPerYear, 12.0 / 26};
    case Frequency::OneWeek:
        return PaymentFrequency{PaymentKind::Weekly, 52, days.WeeksPerYear, 12.0 / 52};
    case Frequency::BiweeklyAcc: // half the monthly payment every two weeks
        return PaymentFrequency{PaymentKind::TwoWeekly, 26, days.FortnightsPerYear, 1.0 / 2};
    case Frequency::WeeklyAcc: // a quarter of the monthly payment every week
        return PaymentFrequency{PaymentKind::Weekly, 52, days.WeeksPerYear, 1.0 / 4};
    }
    return PaymentFrequency{};
}

} // namespace pennywell::mortgage
