#include "core/format/TableText.h"

#include <gtest/gtest.h>

namespace pennywell {
namespace {

TEST(TableText, figuresLoseTheirSymbolAndGroupingAndTextsStayText) {
    EXPECT_EQ(plainFigure(QStringLiteral("   $1,234,567.50"), QStringLiteral("$")),
              QStringLiteral("1234567.50"));
    EXPECT_EQ(plainFigure(QStringLiteral("$-12.5"), QStringLiteral("$")), QStringLiteral("-12.5"));
    EXPECT_EQ(plainFigure(QStringLiteral(".00"), QStringLiteral("Fr.")), QStringLiteral("0.00"));
    EXPECT_EQ(plainFigure(QStringLiteral("Fr.3.10"), QStringLiteral("Fr.")),
              QStringLiteral("3.10"));
    EXPECT_EQ(plainFigure(QStringLiteral("42"), QString()), QStringLiteral("42"));
    for (const char* text : {"", "  ", "Total:", "01/15/2027", "1.2.3", "20.00%", "-", "."})
        EXPECT_TRUE(plainFigure(QString::fromLatin1(text), QStringLiteral("$")).isEmpty()) << text;
}

TEST(TableText, tablesBecomeTabAndCommaSeparatedLinesWithoutTrailingBlankRows) {
    const ShownTable table{{QStringLiteral("Year\nNumber"), QStringLiteral("Value")},
                           {{QStringLiteral("1"), QStringLiteral("$1,000.00")},
                            {QStringLiteral("Rent \"flat\",\tcity"), QStringLiteral("  $.50")},
                            {QStringLiteral(" "), QString()}}};
    EXPECT_EQ(tabSeparatedText(table, QStringLiteral("$")),
              QStringLiteral("Year Number\tValue\n1\t1000.00\nRent \"flat\", city\t0.50\n"));
    EXPECT_EQ(commaSeparatedText(table, QStringLiteral("$")),
              QStringLiteral("\"Year Number\",\"Value\"\n1,1000.00\n"
                             "\"Rent \"\"flat\"\",\tcity\",0.50\n"));
    EXPECT_EQ(tabSeparatedText(ShownTable{{}, {{QStringLiteral("x")}}}, QString()),
              QStringLiteral("x\n"));
}

} // namespace
} // namespace pennywell
