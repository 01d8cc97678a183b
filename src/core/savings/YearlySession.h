#pragma once

#include "core/savings/SavingsSession.h"
#include "core/savings/YearlyCalculator.h"

namespace pennywell {

struct YearlyAnswer {
    YearlyResult result;
    QString shown; // the result as the dialog shows it; empty unless calculated
    std::optional<PlannerMessage> message;
};

// The yearly investments dialog's flow, as the dialog and pennywell-calc both drive it: its two
// boxes are slots of `savings`, and "Insert" hands the result to the annual amount's slot.
class YearlySession {
public:
    // The symbol is read at each use, so it must outlive the session.
    YearlySession(SavingsState& savings, const QString& currencySymbol);

    // Leaving the deposit box (YearlyDepositSlot) or the rate box (YearlyRateSlot).
    BoxCommit commit(int slot, const QString& text);
    QString boxText(int slot) const;

    // The year-end amount; without a rate nothing is calculated and nothing is said.
    YearlyAnswer calculate(InvestmentFrequency frequency);
    // The last calculated amount (0 when the last calculation gave none) becomes the annual
    // amount invested.
    void insert();
    // The dialog's boxes start empty the next time.
    void close();

private:
    SavingsState& savings_;
    const QString& currencySymbol_;
    Currency result_;
};

} // namespace pennywell
