#include "cli/Command.h"
#include "cli/CommandOutput.h"
#include "cli/FigureTable.h"
#include "cli/ReportOutput.h"
#include "cli/Usage.h"
#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetMessages.h"
#include "core/budget/BudgetPresenter.h"
#include "core/budget/BudgetSort.h"
#include "core/report/BudgetStatement.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

namespace pennywell::cli {
namespace {

namespace messages = budget_messages;

const QString Name = QStringLiteral("budget");

const QString Usage = QStringLiteral(
    "usage: pennywell-calc budget FILE.bgt "
    "[--period weekly|2weeks|semimonthly|monthly|quarterly|semiannual|annual]\n"
    "           [--sort names-az|names-za|amounts-hilo|amounts-lohi] [--format text|csv|json]\n"
    "           [--report [--header TEXT] [--font 0|1|2|3] [--format pdf --output FILE]]\n"
    "\nLoads a budget file as \"Open File\" does and prints both halves and the net balance\n"
    "for the period, in the sort order.\n");

constexpr int NumberWidth = 4;
constexpr int DescriptionWidth = 30;
constexpr int TotalsLabelWidth = 34;
constexpr int CellWidth = 10;
constexpr int TotalWidth = 12;
// Totals are two characters wider than cells; the wider gap keeps both columns flush right.
const QString CellGap = QStringLiteral("   ");

struct BudgetRequest {
    QString path;
    BudgetPeriod period;
    BudgetSortOrder order = BudgetSortOrder::NamesAscending;
    OutputFormat format = OutputFormat::Text;
    ReportRequest report;
};

// How many characters the figure columns grow so the widest figure, which is never cut,
// still ends flush with the rest of its column.
int figureColumnsGrowth(const BudgetView& view) {
    qsizetype growth = 0;
    for (const BudgetHalfView* half : {&view.income, &view.expense}) {
        for (const BudgetRow& row : half->rows)
            growth = std::max({growth, row[2].size() - CellWidth, row[3].size() - CellWidth});
        growth = std::max(
            {growth, half->total.size() - TotalWidth, half->totalBudgeted.size() - TotalWidth});
    }
    return int(std::max({growth, view.netBalance.size() - TotalWidth,
                         view.netBalanceBudgeted.size() - TotalWidth}));
}

void writeTextHalf(QTextStream& out, const QString& frameCaption, const QString& heading,
                   const BudgetHalfView& half, int growth) {
    const int cell = CellWidth + growth;
    const int total = TotalWidth + growth;
    out << frameCaption << '\n'
        << messages::NumberHeading.rightJustified(NumberWidth) << ' '
        << messages::DescriptionHeading.leftJustified(DescriptionWidth) << ' '
        << heading.rightJustified(cell) << CellGap << messages::BudgetedHeading.rightJustified(cell)
        << '\n';
    for (const BudgetRow& row : half.rows) {
        out << row[0].rightJustified(NumberWidth) << ' ' << row[1].leftJustified(DescriptionWidth)
            << ' ' << row[2].rightJustified(cell) << CellGap << row[3].rightJustified(cell) << '\n';
    }
    out << half.label.leftJustified(TotalsLabelWidth) << half.total.rightJustified(total) << ' '
        << half.totalBudgeted.rightJustified(total) << "\n\n";
}

void writeText(QTextStream& out, const BudgetView& view) {
    const int growth = figureColumnsGrowth(view);
    const int total = TotalWidth + growth;
    writeTextHalf(out, messages::IncomeCaption, messages::IncomeHeading, view.income, growth);
    writeTextHalf(out, messages::ExpenseCaption, messages::ExpenseHeading, view.expense, growth);
    out << QString().leftJustified(TotalsLabelWidth)
        << messages::ExistingHeading.rightJustified(total) << ' '
        << messages::BudgetedHeading.rightJustified(total) << '\n'
        << view.netLabel.leftJustified(TotalsLabelWidth) << view.netBalance.rightJustified(total)
        << ' ' << view.netBalanceBudgeted.rightJustified(total) << '\n';
}

// A half's records for the period, with the annual figures they come from.
FigureTable recordFigures(const BudgetTable& table, int divisor) {
    FigureTable figures{{"number", "description", "amount", "budgeted", "annual_amount",
                         "payments_per_year", "annual_budgeted"},
                        {}};
    for (const BudgetRecord& record : table.records) {
        figures.rows.append({double(record.number), record.description,
                             Amount{record.annualAmount / divisor},
                             Amount{record.annualBudgeted / divisor}, Amount{record.annualAmount},
                             record.paymentsPerYear, Amount{record.annualBudgeted}});
    }
    return figures;
}

// Both halves in one table, each row led by its side.
QString csvText(const BudgetTables& tables, int divisor) {
    FigureTable both{QStringList{"side"} + recordFigures(tables.income, divisor).columns, {}};
    for (const auto& [side, table] :
         {std::pair{"income", &tables.income}, std::pair{"expense", &tables.expense}}) {
        for (const FigureRow& row : recordFigures(*table, divisor).rows)
            both.rows.append(FigureRow{QString::fromLatin1(side)} + row);
    }
    return csvText(both);
}

QJsonObject valuesJson(const BudgetTables& tables, const BudgetPeriod& period) {
    const BudgetFigures totals = budgetFigures(tables, period);
    const auto half = [&](const BudgetTable& table, double total, double budgeted) {
        return QJsonObject{{"rows", jsonRows(recordFigures(table, period.divisor))},
                           {"total", jsonFigure(Amount{total})},
                           {"total_budgeted", jsonFigure(Amount{budgeted})}};
    };
    return {{"income", half(tables.income, totals.income, totals.incomeBudgeted)},
            {"expense", half(tables.expense, totals.expense, totals.expenseBudgeted)},
            {"net_balance", jsonFigure(Amount{totals.net})},
            {"net_balance_budgeted", jsonFigure(Amount{totals.netBudgeted})}};
}

QJsonObject jsonHalf(const BudgetHalfView& half) {
    QJsonArray rows;
    for (const BudgetRow& row : half.rows)
        rows.append(QJsonArray{row[0], row[1], row[2], row[3]});
    return {{"rows", rows},
            {"label", half.label},
            {"total", half.total},
            {"totalBudgeted", half.totalBudgeted}};
}

QJsonObject jsonView(const BudgetView& view) {
    const QJsonObject net{{"label", view.netLabel},
                          {"existing", view.netBalance},
                          {"budgeted", view.netBalanceBudgeted},
                          {"existingRed", view.netBalanceRed},
                          {"budgetedRed", view.netBalanceBudgetedRed}};
    return {{"income", jsonHalf(view.income)}, {"expense", jsonHalf(view.expense)}, {"net", net}};
}

// The file and the period and order, as the window's lists take them.
std::optional<BudgetRequest> readRequest(const QCommandLineParser& parser, OutputFormat format,
                                         QTextStream& err) {
    const QStringList files = parser.positionalArguments();
    QString problem;
    const auto chosenPeriod = periodFromKey(parser.value(QStringLiteral("period")));
    const auto chosenOrder = sortOrderFromKey(parser.value(QStringLiteral("sort")));
    if (files.size() != 1)
        problem = files.isEmpty() ? QStringLiteral("expected a budget file")
                                  : "unexpected argument '" + files[1] + u'\'';
    else if (!chosenPeriod)
        problem = "--period: expected weekly|2weeks|semimonthly|monthly|quarterly|semiannual|"
                  "annual: '" +
                  parser.value(QStringLiteral("period")) + u'\'';
    else if (!chosenOrder)
        problem = "--sort: expected names-az|names-za|amounts-hilo|amounts-lohi: '" +
                  parser.value(QStringLiteral("sort")) + u'\'';
    const ReportOptionsRead report = readReportOptions(parser, format);
    if (problem.isEmpty())
        problem = report.problem;
    if (!problem.isEmpty()) {
        badUsage(err, Name, problem);
        return std::nullopt;
    }
    return BudgetRequest{files.first(), *chosenPeriod, *chosenOrder, format, report.request};
}

// The statement "To Printer" prints, in the period and sort order asked for.
int printStatement(const BudgetRequest& request, std::optional<BudgetTables>& tables,
                   QTextStream& out, QTextStream& err) {
    const OutputFormat format = request.format;
    if (!tables)
        return writeReportRefusal({messages::LoadFileTitle, messages::LoadFailed}, format, out,
                                  err);
    if (tables->income.count() == 0 && tables->expense.count() == 0)
        return writeReportRefusal({QStringLiteral("Help"), report::BudgetNoDataText}, format, out,
                                  err);
    sortBudgetTable(tables->income, request.order);
    sortBudgetTable(tables->expense, request.order);
    const ReportRequest& wanted = request.report;
    return writeReport(
        report::budgetStatement(*tables, request.period,
                                {wanted.HeaderLine, wanted.fontChoice, userCurrencySymbol()}),
        report::BudgetReportName, wanted, format, out, err);
}

int runBudget(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.addOptions(
        {{QStringLiteral("period"), QString(), QStringLiteral("period"), QStringLiteral("annual")},
         {QStringLiteral("sort"), QString(), QStringLiteral("order"), QStringLiteral("names-az")}});
    addReportOptions(parser);
    const auto parsed = parseCommand(parser, Name, arguments, Usage, out, err, true);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    const std::optional<BudgetRequest> request =
        readRequest(parser, std::get<OutputFormat>(parsed), err);
    if (!request)
        return BadUsage;
    std::optional<BudgetTables> loaded = loadBudgetFile(request->path);
    if (request->report.wanted)
        return printStatement(*request, loaded, out, err);
    // A refused file leaves the freshly opened window empty, and that screen is shown with the
    // message.
    std::optional<Refusal> refusal;
    if (!loaded)
        refusal = Refusal{messages::LoadFileTitle, messages::LoadFailed};
    BudgetTables tables = loaded ? std::move(*loaded) : BudgetTables{};
    const BudgetView view =
        refreshBudget(tables, request->period, request->order, userCurrencySymbol());
    if (request->format == OutputFormat::Json) {
        QJsonObject document = jsonView(view);
        if (refusal)
            document.insert("error", refusalJson(*refusal));
        else
            document.insert("values", valuesJson(tables, request->period));
        writeJson(out, document);
        return refusal ? CalculationRefused : Success;
    }
    if (request->format == OutputFormat::Csv)
        out << csvText(tables, request->period.divisor);
    else
        writeText(out, view);
    if (refusal)
        writeRefusal(err, *refusal);
    return refusal ? CalculationRefused : Success;
}

} // namespace

Command budgetCommand() {
    return {Name, QStringLiteral("a budget file's records, totals and net balance"), runBudget};
}

} // namespace pennywell::cli
