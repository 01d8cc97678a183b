#include "core/mortgage/ExtraPaymentEntry.h"

#include "core/money/Currency.h"
#include "core/mortgage/MortgageTexts.h"

namespace pennywell::mortgage {
namespace {

PlannerMessage refused(const QString& text) {
    return {QStringLiteral("Help"), text};
}

} // namespace

ExtraPaymentEntry::ExtraPaymentEntry(ExtraPayments& payments, int& ExtraCount, int TermYears)
    : payments_(payments), ExtraCount_(ExtraCount), TermYears_(TermYears) {}

std::optional<PlannerMessage> ExtraPaymentEntry::chooseYear(double year) {
    if (year > TermYears_ || year < 0) {
        chosenYear_ = 0;
        return refused(YearDoesNotExist);
    }
    chosenYear_ = int(year);
    return std::nullopt;
}

std::optional<PlannerMessage> ExtraPaymentEntry::amountRefusal(double typedYear) const {
    if (typedYear <= 0)
        return refused(NoValidYear);
    if (chosenYear_ < 1 || chosenYear_ > lastYear())
        return refused(YearDoesNotExist);
    return std::nullopt;
}

int ExtraPaymentEntry::enter(Currency amount) {
    payments_[std::size_t(chosenYear_)] = {Currency::fromWhole(chosenYear_), amount};
    return chosenYear_;
}

int ExtraPaymentEntry::lastYear() const {
    return lastExtraPaymentYear(TermYears_);
}

void ExtraPaymentEntry::numberYears() {
    for (int y = 1; y <= lastYear(); ++y) {
        if (payments_[std::size_t(y)].amount != Currency())
            return;
    }
    for (int y = 1; y <= lastYear(); ++y)
        payments_[std::size_t(y)].year = Currency::fromWhole(y);
}

void ExtraPaymentEntry::accept() {
    ExtraCount_ = extraPaymentYears(payments_, TermYears_);
}

void ExtraPaymentEntry::eraseAll() {
    for (int y = 1; y <= lastYear(); ++y)
        payments_[std::size_t(y)].amount = Currency();
    ExtraCount_ = 0;
}

} // namespace pennywell::mortgage
