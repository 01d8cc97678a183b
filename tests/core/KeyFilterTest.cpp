#include "core/format/KeyFilter.h"

#include <gtest/gtest.h>

using pennywell::FilterAmountKey;
using pennywell::FilterDigitKey;

TEST(KeyFilter, AmountKeysPassDigitsPointAndDeletion) {
    for (int code = 0; code < 256; ++code) {
        const bool taken = (code >= '0' && code <= '9') || code == '.' || code == 8 || code == 127;
        EXPECT_EQ(FilterAmountKey(code), taken ? code : 0) << "code " << code;
    }
}

TEST(KeyFilter, DigitKeysRefuseThePointAndTheMinusSign) {
    for (int code = 0; code < 256; ++code) {
        const bool taken = (code >= '0' && code <= '9') || code == 8 || code == 127;
        EXPECT_EQ(FilterDigitKey(code), taken ? code : 0) << "code " << code;
    }
    EXPECT_EQ(FilterAmountKey('-'), 0);
}
