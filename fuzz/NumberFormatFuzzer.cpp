// Any double, NaN, infinities, huge and tiny values included, through every display pattern
// of the program: the text has the pattern's shape, reads back as the value it shows, and
// the boxes' texts keep their widths.
#include "FuzzCheck.h"
#include "core/format/LeadingNumber.h"
#include "core/format/NumberFormat.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

using namespace pennywell;

namespace {

constexpr const char16_t* ProgramPatterns[] = {
    u"####,,###.00", u"###,,###.00",   u"##,,###.00", u"###,###.00",
    u"####,,##0.00", u"#####,,##0.00", u"##.00",      u"###.00",
    u"###.##",       u"###.000",       u"##",         u"###",
    u"####",         u"0.########",    u"0.00",
};

struct Shape {
    bool point = false;
    bool grouping = false;
    int decimals = 0;      // places after the point
    int fixedDecimals = 0; // of them, the '0' places that always show
    int integerZeros = 0;  // '0' places before the point
};

Shape shapeOf(QStringView pattern) {
    Shape shape;
    const qsizetype point = pattern.indexOf(u'.');
    shape.point = point >= 0;
    const QStringView integer = shape.point ? pattern.left(point) : pattern;
    shape.grouping = integer.contains(u',');
    shape.integerZeros = int(integer.count(u'0'));
    if (shape.point) {
        const QStringView fraction = pattern.mid(point + 1);
        shape.decimals = int(fraction.size());
        shape.fixedDecimals = int(fraction.count(u'0'));
    }
    return shape;
}

bool allDigits(QStringView text) {
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool groupedInThrees(QStringView integer) {
    const QList<QStringView> groups = integer.split(u',');
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const qsizetype length = groups[i].size();
        const bool fits = i == 0 ? (length >= 1 && length <= 3) || groups.size() == 1 : length == 3;
        if (!fits || !allDigits(groups[i]))
            return false;
    }
    return true;
}

void checkShape(double value, QStringView pattern, const QString& text) {
    const Shape shape = shapeOf(pattern);
    const QString detail =
        QString::number(value, 'g', 17) + u' ' + pattern.toString() + u' ' + text;
    QStringView rest(text);
    const bool negative = rest.startsWith(u'-');
    if (negative)
        rest = rest.mid(1);
    const qsizetype point = rest.indexOf(u'.');
    fuzzCheck((point >= 0) == shape.point, "a point shows when the pattern has one", detail);
    const QStringView integer = point >= 0 ? rest.left(point) : rest;
    const QStringView fraction = point >= 0 ? rest.mid(point + 1) : QStringView();
    fuzzCheck(allDigits(fraction) && fraction.size() >= shape.fixedDecimals &&
                  fraction.size() <= shape.decimals,
              "the decimals the pattern fixes", detail);
    if (shape.grouping && !integer.isEmpty())
        fuzzCheck(groupedInThrees(integer), "thousands grouped in threes", detail);
    else
        fuzzCheck(allDigits(integer), "digits only without grouping", detail);
    fuzzCheck(integer.count(u',') < integer.size() || integer.isEmpty(),
              "grouping never stands alone", detail);
    fuzzCheck(integer.size() >= shape.integerZeros, "the '0' places always show", detail);
    fuzzCheck(!negative || value < 0, "a minus only for a negative value", detail);

    // A person reading the text gets the value back to the last shown decimal (the display
    // keeps 15 significant digits). Far beyond any amount a box can hold the digits outrun
    // what a double reads back exactly, so the check stops at 1e300.
    if (std::fabs(value) < 1e300) {
        QString plain = text;
        plain.remove(u',');
        const double shown = leadingNumber(plain);
        const double tolerance =
            0.5 * std::pow(10.0, -shape.decimals) * (1 + 1e-9) + std::fabs(value) * 1e-14;
        fuzzCheck(std::fabs(shown - value) <= tolerance, "the text reads as the value", detail);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    // One pattern per input keeps every input quick; the fuzzer reaches all of them.
    FuzzedDataProvider input(data, size);
    const std::size_t patternCount = std::size(ProgramPatterns);
    const std::size_t choice = input.ConsumeIntegralInRange<std::size_t>(0, patternCount);
    const int width = input.ConsumeIntegralInRange(0, 20);
    double value = 0;
    const std::vector<unsigned char> bits = input.ConsumeBytes<unsigned char>(sizeof value);
    if (!bits.empty())
        std::memcpy(&value, bits.data(), bits.size());

    if (choice == patternCount) {
        // Any other pattern of digit places, points and commas must not fail either.
        formatNumber(value, QString::fromStdString(input.ConsumeRemainingBytesAsString()));
        return 0;
    }
    const QStringView pattern = ProgramPatterns[choice];
    const QString text = formatNumber(value, pattern);
    if (!std::isfinite(value)) {
        fuzzCheck(text == u"Error", "a value that is not a number shows \"Error\"");
        return 0;
    }
    checkShape(value, pattern, text);
    // A figure fills at least its box and is never cut: a longer one is shown whole.
    const QString money = moneyText(QStringLiteral("$"), value, pattern, width);
    fuzzCheck(money.size() == std::max<qsizetype>(width, text.size() + 1) &&
                  money.endsWith(u'$' + text),
              "money fills its box and keeps every character");
    const QString percentage = percentText(value, pattern, width);
    fuzzCheck(percentage.size() == std::max<qsizetype>(width, text.size()) + 1 &&
                  percentage.endsWith(text + u'%'),
              "a percentage fills its box, keeps every character and its sign");
    return 0;
}
