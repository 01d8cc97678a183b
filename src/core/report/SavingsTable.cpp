#include "core/report/SavingsTable.h"

#include "core/format/NumberFormat.h"
#include "core/savings/SavingsInputs.h"

#include <algorithm>

namespace pennywell::report {
namespace {

const QString Headings =
    QStringLiteral("Year        Annual Investment      Interest/Growth         Current Value");
const QString Rule = QString(72, u'_');
constexpr int HeadingBlockLines = 22;
constexpr int ContinuedLineCount = 6;
constexpr int ValueColumn = 52;
constexpr int ValueWidth = 14;

// Amounts of this report drop the leading zero below 1; the totals show "0.00".
QString amount(Currency value) {
    return formatNumber(value.toDouble(), u"###,###.00");
}

QString totalAmount(const QString& symbol, Currency value) {
    return symbol + formatNumber(value.toDouble(), u"####,,##0.00");
}

void printInput(Printout& out, const QString& label, const QString& value,
                const QString& suffix = QString()) {
    out.at(2, label).rightAt(ValueColumn, ValueWidth, value).append(suffix).endLine();
    out.emptyLines(1);
}

void printInputs(Printout& out, const SavingsState& savings, const QString& symbol) {
    const auto slot = [&savings](int index) { return savings.EntryValues[std::size_t(index)]; };
    const auto rate = [&slot](int index) {
        return formatNumber(slot(index).toDouble(), u"###.00");
    };
    const QString percent = QStringLiteral("%");
    printInput(out, QStringLiteral("Amount of Lump Sum Invested at Start"),
               symbol + amount(slot(LumpSumSlot)));
    printInput(out, QStringLiteral("Annual Amount Invested each Year"),
               symbol + amount(slot(AnnualAmountSlot)));
    printInput(out, QStringLiteral("Increase the annual Investment Rate by"), rate(IncreaseSlot),
               percent);
    printInput(out, QStringLiteral("Annual Interest/Growth Rate(%)"), rate(RateSlot), percent);
    printInput(out, QStringLiteral("Time in Years"), savingsTermText(slot(TermSlot)));
    printInput(out, QStringLiteral("Adjust for Annual Inflation Rate(%)"), rate(InflationSlot),
               percent);
    out.emptyLines(1);
}

void printHeadings(Printout& out) {
    out.line(2, Headings);
    out.line(2, Rule);
    out.emptyLines(1);
}

void printFigures(Printout& out, const QString& first, const QString& invested,
                  const QString& growth, const QString& value) {
    out.at(2, first);
    out.rightAt(17, 14, invested);
    out.rightAt(39, 13, growth);
    out.rightAt(61, 13, value);
    out.endLine();
}

// The page test divides in single precision, as the line count was always checked.
bool fillsPage(int lineCount, int perPage) {
    const float pages = float(lineCount) / float(perPage);
    return pages == float(int(pages));
}

} // namespace

PrintedReport savingsTable(const SavingsState& savings, int resultCount,
                           const ReportOptions& options) {
    if (cancelsPrintout(options.HeaderLine))
        return PrintedReport{options.fontChoice, {}};
    const QString& symbol = options.currencySymbol;
    const GrowthTable& table = savings.growthTable;
    Printout out(options.fontChoice);
    out.printHeader(options.HeaderLine);
    int lineCount = 3;

    out.emptyLines(1);
    out.line(25, QStringLiteral("Investment Growth Calculation"));
    out.emptyLines(2);
    printInputs(out, savings, symbol);
    printHeadings(out);
    lineCount += HeadingBlockLines;

    const int years = std::min(resultCount, GrowthTableRows - 2);
    for (int year = 1; year <= years; ++year) {
        const GrowthRow& row = table[std::size_t(year)];
        printFigures(out, QString::number(year).rightJustified(3), amount(row[2]), amount(row[3]),
                     amount(row[4]));
        ++lineCount;
        if (fillsPage(lineCount, out.LinesPerPage())) {
            out.pageBreak();
            out.emptyLines(3);
            printHeadings(out);
            lineCount = ContinuedLineCount;
        }
    }

    out.line(2, Rule);
    out.emptyLines(1);
    const GrowthRow& totals = table[std::size_t(years + 1)];
    printFigures(out, QStringLiteral("Total:"), totalAmount(symbol, totals[2]),
                 totalAmount(symbol, totals[3]), totalAmount(symbol, totals[4]));
    return out.EndPrintout();
}

} // namespace pennywell::report
