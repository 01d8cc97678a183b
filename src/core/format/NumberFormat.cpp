#include "core/format/NumberFormat.h"

#include "core/format/DecimalForm.h"
#include "core/format/RightAlign.h"

#include <cmath>
#include <string>

namespace pennywell {
namespace {

struct PatternShape {
    bool hasPoint = false;
    bool grouping = false;
    int minimumIntegerDigits = 0;
    int decimals = 0;
    int minimumDecimals = 0;
};

PatternShape shapeOf(QStringView pattern) {
    PatternShape shape;
    const qsizetype point = pattern.indexOf(u'.');
    shape.hasPoint = point >= 0;
    const QStringView integerPart = shape.hasPoint ? pattern.left(point) : pattern;
    shape.grouping = integerPart.contains(u',');
    shape.minimumIntegerDigits = int(integerPart.count(u'0'));
    if (shape.hasPoint) {
        const QStringView fraction = pattern.mid(point + 1);
        shape.minimumDecimals = int(fraction.count(u'0'));
        shape.decimals = shape.minimumDecimals + int(fraction.count(u'#'));
    }
    return shape;
}

struct Digits {
    std::string integer;
    std::string fraction;
};

// The magnitude as a person reads it (15 significant digits), rounded half away from zero
// to the given number of decimals.
Digits roundedDigits(double magnitude, int decimals) {
    auto [digits, exponent] = decimalForm(magnitude);

    int integerLength = exponent + 1;
    if (integerLength < 1) {
        digits.insert(0, std::size_t(1 - integerLength), '0');
        integerLength = 1;
    }
    const std::size_t kept = std::size_t(integerLength + decimals);
    if (digits.size() < kept + 1)
        digits.append(kept + 1 - digits.size(), '0');

    const bool roundUp = digits[kept] >= '5';
    digits.resize(kept);
    if (roundUp) {
        int at = int(kept) - 1;
        while (at >= 0 && digits[std::size_t(at)] == '9')
            digits[std::size_t(at--)] = '0';
        if (at >= 0) {
            ++digits[std::size_t(at)];
        } else {
            digits.insert(0, 1, '1');
            ++integerLength;
        }
    }
    return {digits.substr(0, std::size_t(integerLength)),
            digits.substr(std::size_t(integerLength))};
}

std::string grouped(const std::string& integer) {
    std::string result;
    const int length = int(integer.size());
    for (int i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0)
            result += ',';
        result += integer[std::size_t(i)];
    }
    return result;
}

} // namespace

QString formatNumber(double value, QStringView pattern) {
    if (!std::isfinite(value))
        return QStringLiteral("Error");
    const PatternShape shape = shapeOf(pattern);
    Digits digits = roundedDigits(std::fabs(value), shape.decimals);

    const std::size_t firstSignificant = digits.integer.find_first_not_of('0');
    digits.integer.erase(0, std::min(firstSignificant, digits.integer.size()));
    if (int(digits.integer.size()) < shape.minimumIntegerDigits)
        digits.integer.insert(0, std::size_t(shape.minimumIntegerDigits) - digits.integer.size(),
                              '0');

    while (int(digits.fraction.size()) > shape.minimumDecimals && digits.fraction.back() == '0')
        digits.fraction.pop_back();

    const bool anyDigitShown =
        (digits.integer + digits.fraction).find_first_not_of('0') != std::string::npos;
    std::string text;
    if (value < 0 && anyDigitShown)
        text += '-';
    text += shape.grouping ? grouped(digits.integer) : digits.integer;
    if (shape.hasPoint)
        text += '.' + digits.fraction;
    return QString::fromLatin1(text);
}

QString moneyText(const QString& currencySymbol, double value, QStringView pattern, int width) {
    return RightAlign(currencySymbol + formatNumber(value, pattern), width);
}

QString percentText(double value, QStringView pattern, int width) {
    return RightAlign(formatNumber(value, pattern), width) + u'%';
}

} // namespace pennywell
