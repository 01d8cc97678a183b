#include "core/format/KeyFilter.h"

namespace pennywell {
namespace {

constexpr int Backspace = 8;
constexpr int DeleteCode = 127;

bool isDigit(int keyCode) {
    return keyCode >= '0' && keyCode <= '9';
}

} // namespace

int FilterAmountKey(int keyCode) {
    if (keyCode == Backspace || keyCode == DeleteCode || keyCode == '.' || isDigit(keyCode))
        return keyCode;
    return 0;
}

int FilterDigitKey(int keyCode) {
    if (keyCode == Backspace || keyCode == DeleteCode || isDigit(keyCode))
        return keyCode;
    return 0;
}

int DecimalKeyOf(int keyCode, char16_t localeDecimalSeparator) {
    if (localeDecimalSeparator != u'.' && keyCode == int(localeDecimalSeparator))
        return '.';
    return keyCode;
}

} // namespace pennywell
