#pragma once

#include "core/money/Currency.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <fuzzer/FuzzedDataProvider.h>

// Inputs for the planners' engines: mostly what a person could type, often anything at all,
// so both the ordinary paths and the range checks are reached.
inline pennywell::Currency anyAmount(FuzzedDataProvider& input, std::int64_t typicalWholes) {
    using pennywell::Currency;
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return Currency::fromUnits(input.ConsumeIntegral<std::int64_t>());
    case 1:
        return Currency();
    case 2:
        return Currency::fromUnits(-input.ConsumeIntegralInRange<std::int64_t>(
            0, typicalWholes * Currency::UnitsPerWhole));
    default:
        return Currency::fromUnits(
            input.ConsumeIntegralInRange<std::int64_t>(0, typicalWholes * Currency::UnitsPerWhole));
    }
}

// One of a list's choices, numbered as the list's rows.
template <typename Choice> Choice anyChoice(FuzzedDataProvider& input, const QStringList& rows) {
    return Choice(input.ConsumeIntegralInRange<qsizetype>(0, rows.size() - 1));
}

inline QDate anyDate(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return QDate();
    case 1:
        return QDate::fromJulianDay(input.ConsumeIntegral<std::int32_t>());
    default:
        return QDate(1900, 1, 1).addDays(input.ConsumeIntegralInRange(0, 200 * 366));
    }
}
