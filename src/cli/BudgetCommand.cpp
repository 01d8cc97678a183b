#include "cli/Command.h"
#include "cli/CommandOutput.h"
#include "cli/ReportOutput.h"
#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetMessages.h"
#include "core/budget/BudgetPresenter.h"
#include "core/budget/BudgetSort.h"
#include "core/format/TableText.h"
#include "core/report/BudgetStatement.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

namespace pennywell::cli {
namespace {

namespace messages = budget_messages;

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
    QString format;
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

QString csvNumber(double value) {
    return QString::number(value, 'g', 15);
}

void writeCsvTable(QTextStream& out, const char* side, const BudgetTable& table, int divisor) {
    for (const BudgetRecord& record : table.records) {
        out << side << ',' << record.number << ',' << quotedCsvText(record.description) << ','
            << csvNumber(record.annualAmount / divisor) << ','
            << csvNumber(record.annualBudgeted / divisor) << ',' << csvNumber(record.annualAmount)
            << ',' << csvNumber(record.paymentsPerYear) << ',' << csvNumber(record.annualBudgeted)
            << '\n';
    }
}

void writeCsv(QTextStream& out, const BudgetTables& tables, int divisor) {
    out << "side,number,description,amount,budgeted,annual_amount,payments_per_year,"
           "annual_budgeted\n";
    writeCsvTable(out, "income", tables.income, divisor);
    writeCsvTable(out, "expense", tables.expense, divisor);
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

std::optional<BudgetRequest> parseRequest(const QStringList& arguments, QTextStream& err) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("budget file"));
    const QCommandLineOption period(QStringLiteral("period"), QString(), QStringLiteral("period"),
                                    QStringLiteral("annual"));
    const QCommandLineOption sort(QStringLiteral("sort"), QString(), QStringLiteral("order"),
                                  QStringLiteral("names-az"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("format"),
                                    QStringLiteral("text"));
    parser.addOptions({period, sort, format});
    addReportOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("budget")} + arguments)) {
        err << "pennywell-calc budget: " << parser.errorText() << "\n\n";
        return std::nullopt;
    }
    const QStringList files = parser.positionalArguments();
    const auto chosenPeriod = periodFromKey(parser.value(period));
    const auto chosenOrder = sortOrderFromKey(parser.value(sort));
    const QString chosenFormat = parser.value(format);
    const bool knownFormat = QStringList{QStringLiteral("text"), QStringLiteral("csv"),
                                         QStringLiteral("json"), QStringLiteral("pdf")}
                                 .contains(chosenFormat);
    if (files.size() != 1 || !chosenPeriod || !chosenOrder || !knownFormat) {
        err << "pennywell-calc budget: "
            << (files.size() != 1 ? "one budget file expected" : "unknown option value") << "\n\n";
        return std::nullopt;
    }
    const ReportOptionsRead report = readReportOptions(parser, *outputFormat(parser));
    if (!report.problem.isEmpty()) {
        err << "pennywell-calc budget: " << report.problem << "\n\n";
        return std::nullopt;
    }
    return BudgetRequest{files.first(), *chosenPeriod, *chosenOrder, chosenFormat, report.request};
}

// The statement "To Printer" prints, in the period and sort order asked for.
int printStatement(const BudgetRequest& request, std::optional<BudgetTables>& tables,
                   QTextStream& out, QTextStream& err) {
    const OutputFormat format = request.format == QLatin1String("json")  ? OutputFormat::Json
                                : request.format == QLatin1String("pdf") ? OutputFormat::Pdf
                                                                         : OutputFormat::Text;
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
    if (arguments.contains(QStringLiteral("--help"))) {
        out << Usage;
        return Success;
    }
    const std::optional<BudgetRequest> request = parseRequest(arguments, err);
    if (!request) {
        err << Usage;
        return BadUsage;
    }
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
    if (request->format == QLatin1String("json")) {
        QJsonObject document = jsonView(view);
        if (refusal)
            document.insert("error", refusalJson(*refusal));
        writeJson(out, document);
    } else {
        if (request->format == QLatin1String("csv"))
            writeCsv(out, tables, request->period.divisor);
        else
            writeText(out, view);
        if (refusal)
            err << refusal->title << ": " << refusal->text << '\n';
    }
    return refusal ? CalculationRefused : Success;
}

} // namespace

Command budgetCommand() {
    return {QStringLiteral("budget"),
            QStringLiteral("a budget file's records, totals and net balance"), runBudget};
}

} // namespace pennywell::cli
