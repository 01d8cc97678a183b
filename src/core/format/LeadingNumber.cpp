#include "core/format/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace pennywell {

double leadingNumber(QStringView text) {
    std::string compact;
    compact.reserve(std::size_t(text.size()));
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            compact += c.unicode() < 128 ? char(c.unicode()) : '?';
    }

    std::size_t end = 0;
    if (end < compact.size() && (compact[end] == '+' || compact[end] == '-'))
        ++end;
    const std::size_t numberStart = end;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; end < compact.size(); ++end) {
        const char c = compact[end];
        if (c >= '0' && c <= '9') {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;

    double magnitude = 0.0;
    const char* digits = compact.data() + numberStart;
    const char* digitsEnd = compact.data() + end;
    if (std::from_chars(digits, digitsEnd, magnitude).ec == std::errc::result_out_of_range) {
        // Out of range is too small to tell from 0 when there is no whole part, and beyond
        // the largest double when there is; that one reads as the largest, so every box
        // refuses it as too large exactly as it refuses 1e305, whatever its length.
        const char* point = std::find(digits, digitsEnd, '.');
        const bool wholePart = std::any_of(digits, point, [](char c) { return c != '0'; });
        magnitude = wholePart ? std::numeric_limits<double>::max() : 0.0;
    }
    return compact[0] == '-' ? -magnitude : magnitude;
}

} // namespace pennywell
