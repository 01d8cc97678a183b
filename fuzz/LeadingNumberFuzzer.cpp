// Arbitrary box text through the leading-number rule: never a crash or a NaN, blanks count
// for nothing wherever they stand, and a minus in front negates.
#include "FuzzCheck.h"
#include "core/format/LeadingNumber.h"

#include <cmath>

using namespace pennywell;

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QString text = QString::fromUtf8(fuzzBytes(data, size));
    const double value = leadingNumber(text);
    fuzzCheck(!std::isnan(value), "a text reads as a number", text);

    QString withoutBlanks;
    QString spreadOut;
    for (const QChar c : text) {
        if (!isBlank(c))
            withoutBlanks += c;
        spreadOut += c;
        spreadOut += u"\t \n"[spreadOut.size() % 3];
    }
    fuzzCheck(sameNumber(leadingNumber(withoutBlanks), value), "removing blanks changes nothing",
              text);
    fuzzCheck(sameNumber(leadingNumber(spreadOut), value), "adding blanks changes nothing", text);

    const bool signed_ = !withoutBlanks.isEmpty() &&
                         (withoutBlanks.front() == u'-' || withoutBlanks.front() == u'+');
    if (!signed_)
        fuzzCheck(sameNumber(leadingNumber(u'-' + text), -value), "a minus in front negates", text);
    return 0;
}
