#pragma once

#include "core/mortgage/MortgageInputs.h"
#include "core/mortgage/MortgagePresenter.h"
#include "core/mortgage/MortgageResult.h"

#include <QString>

namespace pennywell::mortgage {

// What the last successful calculation leaves for the printout and the graph screen: the
// inputs it used, the schedule, and the texts the window showed.
struct MortgageHandOff {
    MortgageInputs inputs;
    MortgageResult result;
    MortgageBoxes boxes;
    QString termText; // the term, compounding and frequency boxes as shown
    QString compoundingText;
    QString frequencyText;
    QString ExtrasText;
};

} // namespace pennywell::mortgage
