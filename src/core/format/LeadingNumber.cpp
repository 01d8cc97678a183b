#include "format/LeadingNumber.h"

#include <charconv>
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
    std::from_chars(compact.data() + numberStart, compact.data() + end, magnitude);
    return compact[0] == '-' ? -magnitude : magnitude;
}

} // namespace pennywell
