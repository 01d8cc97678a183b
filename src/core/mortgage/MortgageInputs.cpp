#include "core/mortgage/MortgageInputs.h"

#include <algorithm>

namespace pennywell::mortgage {

double termYears(const MortgageInputs& inputs) {
    const double term = inputs.term.toDouble();
    return inputs.mode == Mode::Loan ? term / 12 : term;
}

int lastExtraPaymentYear(int termYears) {
    return std::min(termYears, LastExtraYear);
}

int extraPaymentYears(const ExtraPayments& payments, int termYears) {
    int years = 0;
    for (int y = 1; y <= lastExtraPaymentYear(termYears); ++y) {
        if (payments[std::size_t(y)].amount > Currency())
            ++years;
    }
    return years;
}

MortgageInputs defaultInputs(Mode mode) {
    MortgageInputs inputs;
    inputs.mode = mode;
    const bool loan = mode == Mode::Loan;
    inputs.principal = Currency::fromWhole(loan ? 20000 : 100000);
    inputs.ratePercent = Currency::fromUnits(101250);
    inputs.term = Currency::fromWhole(loan ? 48 : 25);
    return inputs;
}

} // namespace pennywell::mortgage
