#pragma once

#include <QStringList>

namespace pennywell::mortgage {

// The days-in-year choice of the "Accelerated payments" dialog. It converts the annual rate
// for the two-weekly and weekly payments only.
struct DaysInYearSetting {
    int DaysChoice = 1;
    double DaysInYear = 365;
    double FortnightsPerYear = 26.07142857;
    double WeeksPerYear = 52.14285714;
};

constexpr int DefaultDaysChoice = 1;
constexpr int DaysChoiceCount = 4;

// The setting of choice 0..3 (365.25, 365, 364, 363 days); the factors are the days divided by
// 14 and by 7, kept to eight decimals as the rate tables always had them.
DaysInYearSetting daysInYearSetting(int DaysChoice);

// Choices 0..3 as the dialog's options and --days name them.
QStringList daysChoiceNames();

} // namespace pennywell::mortgage
