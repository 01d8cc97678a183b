#include "core/mortgage/DaysInYear.h"

#include <array>

namespace pennywell::mortgage {

DaysInYearSetting daysInYearSetting(int DaysChoice) {
    static constexpr std::array<DaysInYearSetting, DaysChoiceCount> settings = {{
        {0, 365.25, 26.08928571, 52.17857143},
        {1, 365, 26.07142857, 52.14285714},
        {2, 364, 26, 52},
        {3, 363, 25.92857143, 51.85714286},
    }};
    if (DaysChoice < 0 || DaysChoice >= DaysChoiceCount)
        return settings[DefaultDaysChoice];
    return settings[std::size_t(DaysChoice)];
}

QStringList daysChoiceNames() {
    return {QStringLiteral("365.25"), QStringLiteral("365"), QStringLiteral("364"),
            QStringLiteral("363")};
}

} // namespace pennywell::mortgage
