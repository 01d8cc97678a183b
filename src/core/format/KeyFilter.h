#pragma once

namespace pennywell {

// Key filters of the numeric boxes: the key code comes back unchanged when the box takes it,
// 0 when it is refused (the window then beeps).
int FilterAmountKey(int keyCode); // digits, ".", backspace (8) and 127
int FilterDigitKey(int keyCode);  // digits, backspace (8) and 127

} // namespace pennywell
