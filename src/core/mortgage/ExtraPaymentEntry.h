#pragma once

#include "core/mortgage/MortgageInputs.h"
#include "core/state/PlannerMessage.h"

#include <optional>

namespace pennywell::mortgage {

// The additional payments as their dialog and --extra take them: a year of the term chosen in
// the year box, then an amount for it.
class ExtraPaymentEntry {
public:
    ExtraPaymentEntry(ExtraPayments& payments, int& ExtraCount, int TermYears);

    // Leaving the year box: a year past the term is refused, and no amount may land in an
    // earlier year instead.
    std::optional<PlannerMessage> chooseYear(double year);
    // Before an amount is entered, with the year box's number as it stands now.
    std::optional<PlannerMessage> amountRefusal(double typedYear) const;
    // Stores the amount in the chosen year (after no refusal); gives that year.
    int enter(Currency amount);

    // The last year that can take an additional payment.
    int lastYear() const;
    // Numbers the years of a table without amounts, as the dialog lists them.
    void numberYears();
    // "OK": the years given an amount are counted for the calculation.
    void accept();
    void eraseAll();

private:
    ExtraPayments& payments_;
    int& ExtraCount_;
    int TermYears_;
    int chosenYear_ = 0;
};

} // namespace pennywell::mortgage
