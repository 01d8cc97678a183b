#include "mortgage/MortgageInputs.h"

#include "mortgage/PaymentFrequency.h"

namespace pennywell::mortgage {

double termYears(const MortgageInputs& inputs) {
    const double term = inputs.term.toDouble();
    return inputs.mode == Mode::Loan ? term / 12 : term;
}

MortgageInputs defaultInputs(Mode mode) {
    MortgageInputs inputs;
    inputs.mode = mode;
    const bool loan = mode == Mode::Loan;
    inputs.principal = Currency::fromUnits((loan ? 20000 : 100000) * Currency::UnitsPerWhole);
    inputs.ratePercent = Currency::fromUnits(101250);
    inputs.term = Currency::fromUnits((loan ? 48 : 25) * Currency::UnitsPerWhole);
    inputs.compoundingRow = compoundingRows().first();
    inputs.frequencyRow = frequencyRows().first();
    return inputs;
}

} // namespace pennywell::mortgage
