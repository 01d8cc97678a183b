#pragma once

namespace pennywell::mortgage {

// An annual rate compounded c times a year, converted to equivalent rates per period. The base
// 1 + r/c is held in single precision, as the schedules have always been computed; every power
// is taken in double from that same base.
struct CompoundedRate {
    float base = 1;          // single(1 + single(r / c)), r = single(rate% / 100)
    int periodsPerYear = 12; // c

    // Rate per month: single(b^single(c/12) - 1), the power and the subtraction in double.
    float monthlyRate() const;
    // Rate per payment period for f periods a year: b^(c/f) - 1, all in double.
    double ratePerPeriod(double paymentPeriodsPerYear) const;
    // Present value of 1 due after the whole term: 1 / b^(T*c).
    double wholeTermDiscount(double termYears) const;
};

CompoundedRate compoundedRate(double ratePercent, int compoundingPeriodsPerYear);

} // namespace pennywell::mortgage
