#include "core/savings/SavingsHelpText.h"

#include <array>

namespace pennywell {
namespace {

const QString LineBreak = QStringLiteral("\r\n");

QString breaks(int count) {
    return LineBreak.repeated(count);
}

// One worked example: the six box values, top to bottom, then the sentence; each item is
// followed by its own number of line breaks so the values line up with the boxes.
struct Example {
    std::array<const char*, 6> values;
    const char* sentence; // "$" stands for the currency symbol
    std::array<int, 7> breaksAfter;
};

constexpr Example Examples[] = {
    {{"      0", "1,000.00", "       0%", "      20%", "       0%", "       25"},
     "Shows the future value of $1,000.00 invested each year for 25 years at a 20% "
     "Interest/Growth Rate compounded annually.",
     {4, 4, 4, 4, 5, 2, 4}},
    {{"1,000.00", "       0", "       0%", "      20%", "       0%", "       25"},
     "Shows the future value of a lump sum of $1,000.00 invested for 25 years at a 20% "
     "Interest/Growth Rate compounded annually.",
     {4, 4, 4, 4, 5, 2, 4}},
    {{"      0", "1,000.00", "       5%", "      20%", "       0%", "        25"},
     "Shows the future value of $1,000.00 invested the first year and increased by a 5% annual "
     "Rate in each year, for 25 years at 20% Interest/Growth Rate compounded annually.",
     {4, 4, 4, 4, 5, 1, 4}},
    {{"30,000.00", "       0", "       0%", "       0%", "       5%", "        25"},
     "Shows you the future value of $30,000.00 at a 5% annnual inflation Rate for 25 years. What "
     "its future purchasing power is compared to today.",
     {4, 4, 4, 4, 5, 2, 3}},
    {{"30,000.00", "       0", "       0%", "       0%", "       -5%", "        25"},
     "Shows the future value of $30,000.00 at 5% annual inflation Rate for 25 years. What it "
     "would have to be worth in future to have the same buying power as today. Minus factor "
     "should be used only in this one calculation.",
     {4, 5, 4, 4, 5, 1, 2}},
};

// The closing paragraphs; "$" stands for the currency symbol.
constexpr const char* Paragraphs[] = {
    "As the program is very flexible you can tailor it to meet any situation such as varying "
    "the amounts invested or interest/growth Rates each year.",
    "For more complex calculations use several steps. For instance if you plan on investing "
    "$1,000.00 each year for 5 years and then adding a lump sum of $10,000.00 the sixth year for "
    "a total period of 25 years.",
    "First find Total Current Value for 5 years, add this to the $10,000.00, enter this figure "
    "in ' Amount of Lump Sum Invested at Start' and calculate for the remaining 20 years.",
    "Another situation may be investing varying amounts each year over 25 years. Enter as a "
    "lump sum each year and calculate for the remaining years (25, 24, ...1).",
};

} // namespace

QString savingsHelpText(const QString& symbol) {
    QString text = QStringLiteral(" Always PgDn to End to read all text.          For results "
                                  "click Calculate.") +
                   LineBreak +
                   QStringLiteral(" Click yellow box to change, start typing in numbers, "
                                  "deletes previous ones.") +
                   breaks(2);
    for (const Example& example : Examples) {
        for (std::size_t item = 0; item < example.values.size(); ++item)
            text += QString::fromLatin1(example.values[item]) + breaks(example.breaksAfter[item]);
        text += QString::fromLatin1(example.sentence) + breaks(example.breaksAfter[6]);
    }
    text += QStringLiteral("For Investments made on a more frequent basis than each year click "
                           "Year button and enter Amount of each Investment, Annual "
                           "Interest/Growth Rate and then select option whether Investments "
                           "are made monthly, quarterly or semi-annually. Insert this Amount as "
                           "your Annual Amount Invested each Year.") +
            breaks(3);
    for (const char* paragraph : Paragraphs)
        text += QString::fromLatin1(paragraph) + breaks(2);
    text += breaks(6) + QString(50, u' ') + QStringLiteral("End");
    // The symbol goes in last, so one that holds a "$" is not replaced again.
    return text.replace(u'$', symbol);
}

} // namespace pennywell
