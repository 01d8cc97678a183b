#include "core/report/MortgageTable.h"

#include "core/format/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace pennywell::report {
namespace {

using namespace pennywell::mortgage;

const QString Rule = QString(75, u'_');
constexpr int HeaderBlockLines = 21;
constexpr int ContinuedLineCount = 7;
constexpr int ExtrasPageLimit = 57;
const QString MoneyPattern = QStringLiteral("####,,###.00");

QStringList inputCaptions(Mode mode) {
    if (mode == Mode::Loan)
        return {QStringLiteral("Principal      Annual        Length of      Interest           "
                               "Frequency"),
                QStringLiteral("amount of      interest      the loan       compounding        "
                               "and type of"),
                QStringLiteral("the loan.      rate(%).      in months.     periods in year.   "
                               "each payment")};
    return {QStringLiteral("Principal      Annual        Amortization   Interest           "
                           "Frequency"),
            QStringLiteral("amount of      interest      period in      compounding        "
                           "and type of"),
            QStringLiteral("mortgage.      rate(%).      years.         periods in year.   "
                           "each payment")};
}

QStringList resultCaptions(Mode mode) {
    const bool loan = mode == Mode::Loan;
    return {QStringLiteral("Days   Interest    No. of     No. %1 Principal   Total paid    "
                           "Total of")
                .arg(loan ? QStringLiteral("months") : QStringLiteral("years ")),
            QStringLiteral("in     rate        payments   to final   + Interest  over life     "
                           "interest"),
            QStringLiteral("year   factor      each year  payment    payment     %1   savings")
                .arg(loan ? QStringLiteral("of the loan") : QStringLiteral("of mortgage"))};
}

QStringList columnHeadings(const MortgageResult& result) {
    QString second;
    if (result.view == View::Annual)
        second = QStringLiteral("  Year       Payment     Payment       Balance      Interest      "
                                "Principal");
    else if (result.DateView)
        second = QStringLiteral("   Date      Payment     Payment       Balance      Interest      "
                                "Principal");
    else
        second = QStringLiteral("No. Year     Payment     Payment       Balance      Interest      "
                                "Principal");
    return {QStringLiteral(" Payment    Interest   Principal     Remaining    Cumulative     "
                           "Cumulative"),
            second};
}

void printRuleAndSpace(Printout& out) {
    out.line(2, Rule);
    out.emptyLines(1);
}

void printCaptions(Printout& out, const QStringList& captions) {
    for (const QString& caption : captions)
        out.line(2, caption);
    out.emptyLines(1);
}

void printColumnHeadings(Printout& out, const MortgageResult& result) {
    for (const QString& heading : columnHeadings(result))
        out.line(2, heading);
    printRuleAndSpace(out);
}

void printContinuation(Printout& out, const MortgageResult& result) {
    out.pageBreak();
    out.emptyLines(1);
    printColumnHeadings(out, result);
}

void printHeaderBlock(Printout& out, const MortgageInputs& inputs, const MortgageResult& result,
                      const QString& symbol) {
    const bool loan = inputs.mode == Mode::Loan;
    out.line(32, loan ? QStringLiteral(" Personal Loan Table") : QStringLiteral(" Mortgage Table"));
    printRuleAndSpace(out);
    printCaptions(out, inputCaptions(inputs.mode));

    out.rightAt(2, 11, symbol + formatNumber(inputs.principal.toDouble(), u"###,,###.00"));
    out.rightAt(15, 8, formatNumber(inputs.ratePercent.toDouble(), u"###.000"))
        .append(QStringLiteral("%"));
    out.rightAt(29, 4, formatNumber(inputs.term.toDouble(), u"###"));
    out.rightAt(40, 16, listText(inputs.compounding));
    out.rightAt(61, 16, listText(inputs.frequency));
    out.endLine();
    printRuleAndSpace(out);
    printCaptions(out, resultCaptions(inputs.mode));

    out.at(2, boxTexts(result, symbol).InDays);
    out.rightAt(9, 10, formatNumber(result.ratePerPeriod, u"0.########"));
    out.rightAt(19, 7, formatNumber(result.PaymentsPerYear, u"###.00"));
    out.rightAt(31, 6, formatNumber(result.timeToFinal(), u"###.00"));
    out.rightAt(40, 10, symbol + formatNumber(result.payment, u"##,,###.00"));
    out.rightAt(53, 12, symbol + formatNumber(result.totalPaid, u"###,,###.00"));
    out.rightAt(65, 12, symbol + formatNumber(result.interestSavings, u"####,,###.00"));
    out.endLine();
    printRuleAndSpace(out);
    printColumnHeadings(out, result);
}

// The rows the grid shows: every payment, or the years to the final payment.
int printedRows(const MortgageResult& result) {
    const int rows = result.view == View::All ? result.ResultCount - 1 : result.scheduleYears();
    return std::clamp(rows, 0, int(result.PayTable.size()) - 1);
}

QString firstColumn(const MortgageResult& result, const PayRow& row, const DateStyle& dates) {
    if (result.DateView)
        return dates.text(row.date);
    if (result.view == View::Annual)
        return formatNumber(row.number.toDouble(), u"####").rightJustified(5);
    return formatNumber(row.number.toDouble(), u"####").rightJustified(4) +
           formatNumber(row.yearNumber.toDouble(), u"###").rightJustified(3);
}

void printRow(Printout& out, const MortgageResult& result, const PayRow& row,
              const DateStyle& dates) {
    out.at(2, firstColumn(result, row, dates));
    out.rightAt(13, 9, formatNumber(row.interest.toDouble(), MoneyPattern));
    out.rightAt(25, 9, formatNumber(row.principal.toDouble(), MoneyPattern));
    out.rightAt(36, 12, formatNumber(row.balance.toDouble(), MoneyPattern));
    out.rightAt(50, 12, formatNumber(row.cumulativeInterest.toDouble(), MoneyPattern));
    out.rightAt(65, 12, formatNumber(row.cumulativePrincipal.toDouble(), MoneyPattern));
    out.endLine();
}

void printTotals(Printout& out, const PayRow& last, const QString& symbol) {
    printRuleAndSpace(out);
    out.at(2, QStringLiteral("Total:"));
    out.rightAt(36, 12, symbol + formatNumber(last.balance.toDouble(), MoneyPattern));
    out.rightAt(50, 12, symbol + formatNumber(last.cumulativeInterest.toDouble(), MoneyPattern));
    out.rightAt(65, 12, symbol + formatNumber(last.cumulativePrincipal.toDouble(), MoneyPattern));
    out.endLine();
}

} // namespace

PrintedReport mortgageTable(const MortgageInputs& inputs, const MortgageResult& result,
                            const ReportOptions& options, const DateStyle& dates) {
    if (cancelsPrintout(options.HeaderLine))
        return PrintedReport{options.fontChoice, {}};
    const QString& symbol = options.currencySymbol;
    Printout out(options.fontChoice);
    out.printHeader(options.HeaderLine);
    int L = 3 + HeaderBlockLines;
    printHeaderBlock(out, inputs, result, symbol);

    const int rows = printedRows(result);
    for (int r = 1; r <= rows; ++r) {
        ++L;
        printRow(out, result, result.PayTable[std::size_t(r)], dates);
        if (out.fillsPage(L)) {
            printContinuation(out, result);
            L = ContinuedLineCount;
        }
    }
    printTotals(out, result.PayTable[std::size_t(rows)], symbol);

    const QString extras = extrasText(result);
    if (!extras.isEmpty()) {
        if (int(result.listedExtras.size()) + 4 + L > ExtrasPageLimit)
            printContinuation(out, result);
        out.emptyLines(1);
        out.line(2, extras);
    }
    return out.EndPrintout();
}

} // namespace pennywell::report
