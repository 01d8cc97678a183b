#include "core/savings/SavingsInputs.h"

#include "core/format/KeyFilter.h"
#include "core/format/LeadingNumber.h"
#include "core/format/NumberFormat.h"
#include "core/format/RightAlign.h"
#include "core/savings/GrowthCalculator.h"

#include <cmath>

namespace pennywell {
namespace {

constexpr char16_t MoneyPattern[] = u"###,###.00";
constexpr char16_t RatePattern[] = u"###.00";

} // namespace

std::optional<Currency> committedValue(QStringView text) {
    return Currency::fromDouble(leadingNumber(text));
}

TermEntry committedTerm(QStringView text) {
    TermEntry entry;
    double years = leadingNumber(text);
    if (years > MaximumSavingsTerm) {
        entry.overLimit = true;
        years = MaximumSavingsTerm;
    } else if (!(years >= 0)) {
        years = 0; // only a pasted text can hold a sign
    }
    entry.years =
        Currency::fromWhole(int(std::nearbyint(years))); // ties to even, as the calculation rounds
    return entry;
}

SavingsState openingSavingsState() {
    SavingsState savings;
    savings.EntryValues[AnnualAmountSlot] = Currency::fromWhole(1000);
    savings.EntryValues[RateSlot] = Currency::fromWhole(20);
    savings.EntryValues[TermSlot] = Currency::fromWhole(25);
    return savings;
}

QString savingsAmountBoxText(const QString& currencySymbol, Currency amount, int width) {
    return moneyText(currencySymbol, amount.toDouble(), MoneyPattern, width);
}

QString savingsRateBoxText(Currency percent) {
    return percentText(percent.toDouble(), RatePattern, 14);
}

QString savingsTermText(Currency years) {
    return QString::number(years.units() / Currency::UnitsPerWhole);
}

QString savingsTermBoxText(Currency years) {
    return RightAlign(savingsTermText(years), 17);
}

QString savingsBoxText(int slot, Currency value, const QString& currencySymbol, int amountWidth) {
    switch (slot) {
    case LumpSumSlot:
    case AnnualAmountSlot:
        return savingsAmountBoxText(currencySymbol, value, amountWidth);
    case TermSlot:
        return savingsTermBoxText(value);
    default:
        return savingsRateBoxText(value);
    }
}

QString yearlyRateBoxText(Currency percent) {
    return percentText(percent.toDouble(), RatePattern, 15);
}

bool isTypeableAmount(QStringView text, bool minusAllowed) {
    if (minusAllowed && text.startsWith(u'-'))
        text = text.mid(1);
    for (const QChar c : text) {
        if (FilterAmountKey(c.unicode()) == 0 || c.unicode() == 8 || c.unicode() == 127)
            return false;
    }
    return true;
}

} // namespace pennywell
