#include "core/savings/YearlySession.h"

#include "core/savings/SavingsInputs.h"
#include "core/savings/SavingsTexts.h"

namespace pennywell {

using namespace savings_texts;

YearlySession::YearlySession(SavingsState& savings, const QString& currencySymbol)
    : savings_(savings), currencySymbol_(currencySymbol) {}

BoxCommit YearlySession::commit(int slot, const QString& text) {
    std::optional<PlannerMessage> message;
    if (const auto value = committedValue(text))
        savings_.EntryValues[std::size_t(slot)] = *value;
    else
        message = PlannerMessage{HelpTitle, WrongEntry};
    return {boxText(slot), message};
}

QString YearlySession::boxText(int slot) const {
    const Currency value = savings_.EntryValues[std::size_t(slot)];
    return slot == YearlyDepositSlot ? savingsAmountBoxText(currencySymbol_, value)
                                     : yearlyRateBoxText(value);
}

YearlyAnswer YearlySession::calculate(InvestmentFrequency frequency) {
    YearlyAnswer answer;
    const auto& entries = savings_.EntryValues;
    answer.result = calculateYearly(entries[YearlyDepositSlot], entries[YearlyRateSlot], frequency);
    result_ = answer.result.amount;
    if (answer.result.outcome == YearlyOutcome::Overflow)
        answer.message = PlannerMessage{HelpTitle, WrongEntry};
    else if (answer.result.outcome == YearlyOutcome::Calculated)
        answer.shown = savingsAmountBoxText(currencySymbol_, result_);
    return answer;
}

void YearlySession::insert() {
    savings_.EntryValues[AnnualAmountSlot] = result_;
}

void YearlySession::close() {
    savings_.EntryValues[YearlyRateSlot] = Currency();
    savings_.EntryValues[YearlyDepositSlot] = Currency();
}

} // namespace pennywell
