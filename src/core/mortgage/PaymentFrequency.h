#pragma once

#include "core/mortgage/DaysInYear.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pennywell::mortgage {

// The kind of a payment decides the schedule's rate, the loop bound and the date step; the
// frequency numbers below decide how many payments make a year and how the rate is converted.
enum class PaymentKind { Monthly, HalfMonthly, TwoWeekly, Weekly };

struct PaymentFrequency {
    PaymentKind kind = PaymentKind::Monthly;
    int PaymentsPerYear = 12;   // N: groups payments into years
    double periodsPerYear = 12; // f: converts the rate, from the days-in-year setting
    double paymentScale = 1;    // k: the share of the monthly payment paid each time
};

// The rows of the two drop-down lists, exactly as shown.
const QStringList& compoundingRows();
const QStringList& frequencyRows();

// Interest compounding periods per year for a compounding row; empty for any other text.
std::optional<int> compoundingPeriods(const QString& row);

// The frequency of a payment row; empty for any other text.
std::optional<PaymentFrequency> paymentFrequency(const QString& row, const DaysInYearSetting& days);

} // namespace pennywell::mortgage
