#pragma once

#include "core/mortgage/MortgageInputs.h"
#include "core/mortgage/PaymentFrequency.h"

#include <QDate>

namespace pennywell::mortgage::testing {

inline Currency money(double value) {
    return *Currency::fromDouble(value);
}

// A freshly opened window's inputs with the given loan, compounding and payment rows.
inline MortgageInputs inputs(double principal, double rate, double term, int compoundingRow = 0,
                             int frequencyRow = 0, View view = View::All,
                             Mode mode = Mode::Mortgage) {
    MortgageInputs in = defaultInputs(mode);
    in.principal = money(principal);
    in.ratePercent = money(rate);
    in.term = money(term);
    in.compounding = Compounding(compoundingRow);
    in.frequency = Frequency(frequencyRow);
    in.view = view;
    in.FirstPayDate = QDate(2027, 1, 31); // a fixed "today"
    return in;
}

enum CompoundingRow { Monthly, Bimonthly, Quarterly, Semiannual, Annual };
enum FrequencyRow { PayMonthly, Semimonthly, TwoWeeks, OneWeek, BiweeklyAcc, WeeklyAcc };

} // namespace pennywell::mortgage::testing

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
