#pragma once

#include "core/mortgage/DaysInYear.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pennywell::mortgage {

// How often interest is compounded, in the order of the "Comperiod" list.
enum class Compounding { Monthly, Bimonthly, Quarterly, Semiannual, Annual };

// How often and how much is paid, in the order of the "FreqPmt" list; the accelerated choices
// pay a share of the monthly payment every two weeks or every week.
enum class Frequency { Monthly, Semimonthly, TwoWeeks, OneWeek, BiweeklyAcc, WeeklyAcc };

// The kind of a payment decides the schedule's rate, the loop bound and the date step; the
// frequency numbers below decide how many payments make a year and how the rate is converted.
enum class PaymentKind { Monthly, HalfMonthly, TwoWeekly, Weekly };

struct PaymentFrequency {
    PaymentKind kind = PaymentKind::Monthly;
    int PaymentsPerYear = 12;   // N: groups payments into years
    double periodsPerYear = 12; // f: converts the rate, from the days-in-year setting
    double paymentScale = 1;    // k: the share of the monthly payment paid each time
};

// The rows of the two drop-down lists, exactly as shown, in the order of the choices.
const QStringList& compoundingRows();
const QStringList& frequencyRows();

// A choice as its list shows it, and back; a text that is no row of the list is no choice.
QString listText(Compounding compounding);
QString listText(Frequency frequency);
std::optional<Compounding> compoundingOfRow(const QString& row);
std::optional<Frequency> frequencyOfRow(const QString& row);

// Interest compounding periods per year.
int compoundingPeriods(Compounding compounding);

PaymentFrequency paymentFrequency(Frequency frequency, const DaysInYearSetting& days);

} // namespace pennywell::mortgage
