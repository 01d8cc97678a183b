#include "core/format/DecimalForm.h"

#include <charconv>
#include <cstdlib>

namespace pennywell {

DecimalForm decimalForm(double magnitude) {
    // Correctly rounded like printf's "%.14e", without printf's cost: every displayed figure
    // passes through here, thousands of them for a long schedule.
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string_view text(buffer, std::size_t(end - buffer));
    const std::size_t exponentAt = text.find('e');
    DecimalForm form;
    form.digits.reserve(15);
    form.digits.append(text.substr(0, 1));
    form.digits.append(text.substr(2, exponentAt - 2));
    form.exponent = std::atoi(std::string(text.substr(exponentAt + 1)).c_str());
    return form;
}

} // namespace pennywell
