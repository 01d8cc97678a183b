#include "format/DecimalForm.h"

#include <cstdio>

namespace pennywell {

DecimalForm decimalForm(double magnitude) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    const std::string text(buffer);
    const std::size_t exponentAt = text.find('e');
    return {text.substr(0, 1) + text.substr(2, exponentAt - 2),
            std::stoi(text.substr(exponentAt + 1))};
}

} // namespace pennywell
