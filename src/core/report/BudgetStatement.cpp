#include "core/report/BudgetStatement.h"

#include "core/budget/BudgetMessages.h"
#include "core/budget/BudgetPresenter.h"
#include "core/format/NumberFormat.h"

namespace pennywell::report {
namespace {

const QString Rule = QString(52, u'_');
constexpr int DescriptionLength = 20;
constexpr int ContinuedLineCount = 8;
constexpr int TotalsLines = 3;
constexpr int ExpenseHeadingLines = 9;
constexpr int NetBalanceLines = 5;

struct Section {
    QString title;
    QString heading1;
    QString heading2;
};

const Section Income{QStringLiteral("INCOME"),
                     QStringLiteral("Description of the         Amount of        Amount"),
                     QStringLiteral("source of income           payment          budgeted")};
const Section Expenses{QStringLiteral("EXPENSES"),
                       QStringLiteral("Description of the         Amount of        Amount"),
                       QStringLiteral("purpose for expense        expense          budgeted")};

QString figure(double value) {
    return formatNumber(value, u"####,,###.00");
}

QString money(const QString& symbol, double value) {
    return symbol + formatNumber(value, u"###,,###.00");
}

void printColumnHeadings(Printout& out, const Section& section) {
    out.line(2, section.heading1);
    out.line(2, section.heading2);
    out.line(2, Rule);
    out.emptyLines(1);
}

void printSectionHeading(Printout& out, const Section& section) {
    out.line(2, section.title);
    out.line(2, QString(section.title.size(), u'_'));
    out.emptyLines(1);
    printColumnHeadings(out, section);
}

// A page break inside a table continues it under its column headings.
int printRecords(Printout& out, const BudgetTable& table, const BudgetPeriod& period,
                 const Section& section, int lineCount) {
    for (const BudgetRecord& record : table.records) {
        out.at(2, record.description.left(DescriptionLength));
        out.rightAt(27, 11, figure(record.annualAmount / period.divisor));
        out.rightAt(43, 11, figure(record.annualBudgeted / period.divisor));
        out.endLine();
        ++lineCount;
        if (out.fillsPage(lineCount)) {
            out.pageBreak();
            out.emptyLines(2);
            printColumnHeadings(out, section);
            lineCount = ContinuedLineCount;
        }
    }
    return lineCount;
}

// Keeps a block of lines together on one page; a block moved to a new page counts from 1.
int keepTogether(Printout& out, int lineCount, int lines) {
    if (!out.needsNewPageFor(lineCount, lines))
        return lineCount;
    out.pageBreak();
    return 1;
}

int printTotals(Printout& out, const QString& label, double total, double totalBudgeted,
                const QString& symbol, int lineCount) {
    lineCount = keepTogether(out, lineCount, TotalsLines);
    out.line(2, Rule);
    out.emptyLines(1);
    out.at(2, label.trimmed());
    out.rightAt(27, 11, money(symbol, total));
    out.rightAt(43, 11, money(symbol, totalBudgeted));
    out.endLine();
    return lineCount + TotalsLines;
}

void printNetBalance(Printout& out, const BudgetPeriod& period, const BudgetFigures& figures,
                     const QString& symbol, int lineCount) {
    keepTogether(out, lineCount, NetBalanceLines);
    out.emptyLines(2);
    out.line(22, period.netBalanceLabel().trimmed());
    out.at(18, budget_messages::ExistingHeading).at(38, budget_messages::BudgetedHeading);
    out.endLine();
    out.rightAt(15, 11, money(symbol, figures.net));
    out.rightAt(35, 11, money(symbol, figures.netBudgeted));
    out.endLine();
}

} // namespace

PrintedReport budgetStatement(const BudgetTables& tables, const BudgetPeriod& period,
                              const ReportOptions& options) {
    if (cancelsPrintout(options.HeaderLine))
        return PrintedReport{options.fontChoice, {}};
    const QString& symbol = options.currencySymbol;
    const BudgetFigures figures = budgetFigures(tables, period);
    Printout out(options.fontChoice);
    out.printHeader(options.HeaderLine);
    int lineCount = 2;

    out.line(32, QStringLiteral("BUDGET STATEMENT"));
    out.emptyLines(1);
    printSectionHeading(out, Income);
    lineCount += 9;
    lineCount = printRecords(out, tables.income, period, Income, lineCount);
    lineCount = printTotals(out, period.incomeLabel, figures.income, figures.incomeBudgeted, symbol,
                            lineCount);

    lineCount = keepTogether(out, lineCount, ExpenseHeadingLines);
    out.emptyLines(2);
    printSectionHeading(out, Expenses);
    lineCount += ExpenseHeadingLines;
    lineCount = printRecords(out, tables.expense, period, Expenses, lineCount);
    lineCount = printTotals(out, period.expenseLabel, figures.expense, figures.expenseBudgeted,
                            symbol, lineCount);

    printNetBalance(out, period, figures, netBalanceSymbol(symbol), lineCount);
    return out.EndPrintout();
}

} // namespace pennywell::report
