#pragma once

namespace pennywell {

// Key filters of the numeric boxes: the key code comes back unchanged when the box takes it,
// 0 when it is refused (the window then beeps).
int FilterAmountKey(int keyCode); // digits, ".", backspace (8) and 127
int FilterDigitKey(int keyCode);  // digits, backspace (8) and 127

// The key a numeric box types for a key code: the key of the locale's decimal separator (the
// comma in many locales) types the point, the one decimal point the formats read. Where the
// separator is the point, the comma stays a comma, which the filters refuse: "100,000" typed
// there is 100000. Every other key stays as it is.
int DecimalKeyOf(int keyCode, char16_t localeDecimalSeparator);

} // namespace pennywell
