#pragma once

#include "core/mortgage/MortgageInputs.h"
#include "core/mortgage/MortgageResult.h"

namespace pennywell::mortgage {

// One press of "Calculate": the rates, the payment, the schedule (per payment or per year),
// the totals and the hand-off values. Every failure is reported in the result, never by
// letting an infinity or an overflow into the tables.
MortgageResult calculateMortgage(const MortgageInputs& inputs);

} // namespace pennywell::mortgage
