#pragma once

#include "core/money/Currency.h"
#include "core/savings/SavingsState.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace pennywell {

// The planner's six boxes in the order Enter moves through them, top to bottom on the window.
inline constexpr int SavingsEnterOrder[] = {LumpSumSlot, AnnualAmountSlot, IncreaseSlot,
                                            RateSlot,    InflationSlot,    TermSlot};

// The increase and inflation boxes also take a negative rate.
constexpr bool takesNegativeRate(int slot) {
    return slot == IncreaseSlot || slot == InflationSlot;
}

// The value a box's text commits, by the leading-number rule; empty when it does not fit the
// currency range (the box then keeps its previous value).
std::optional<Currency> committedValue(QStringView text);

struct TermEntry {
    Currency years;         // a whole number of years
    bool overLimit = false; // the text asked for more than 50 years; 50 is committed
};

// The years box commits the whole number the calculation will use (ties to even), so the
// box, the table and the printout always agree.
TermEntry committedTerm(QStringView text);

// The planner as its window opens: the default inputs and an empty growth table.
SavingsState openingSavingsState();

// Display forms of the savings boxes. The amount form also serves the yearly dialog's deposit
// box and its result.
QString savingsAmountBoxText(const QString& currencySymbol, Currency amount, int width = 13);
QString savingsRateBoxText(Currency percent);
QString savingsTermBoxText(Currency years);
// The term's whole years without padding, as the printout shows them.
QString savingsTermText(Currency years);
// The display form of the savings box of a slot (1 to 6); the lump sum box is 15 wide when the
// window opens, 13 after.
QString savingsBoxText(int slot, Currency value, const QString& currencySymbol,
                       int amountWidth = 13);

// The yearly dialog's rate box.
QString yearlyRateBoxText(Currency percent);

// Which characters the boxes take: those the amount filter passes, and in the two boxes that
// take a negative rate, one leading minus.
bool isTypeableAmount(QStringView text, bool minusAllowed);

} // namespace pennywell
