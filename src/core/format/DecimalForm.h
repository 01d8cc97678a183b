#pragma once

#include <string>

namespace pennywell {

// A non-negative value as a person reads it: its 15 significant digits, and the power of ten of
// the first one (1234.5 is "123450000000000" with exponent 3). Display rounding and the budget
// file's numbers both start from this form, so a value never reads differently in the two.
struct DecimalForm {
    std::string digits;
    int exponent = 0;
};

DecimalForm decimalForm(double magnitude);

} // namespace pennywell
