#include "cli/SavingsCommand.h"

#include "cli/CommandOutput.h"
#include "cli/FigureTable.h"
#include "cli/GraphOutput.h"
#include "cli/ReportOutput.h"
#include "cli/SavingsAnswer.h"
#include "cli/Usage.h"
#include "core/report/SavingsTable.h"
#include "core/savings/SavingsInputs.h"
#include "core/savings/SavingsSession.h"
#include "core/savings/SavingsTexts.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

namespace pennywell::cli {
namespace {

const QString Name = QStringLiteral("savings");

struct BoxOption {
    QString name;
    int slot;
    const QString& label;
};

const QList<BoxOption>& boxOptions() {
    using namespace savings_texts;
    // In the window's Enter order.
    static const QList<BoxOption> options = {
        {QStringLiteral("lump"), LumpSumSlot, LumpSumLabel},
        {QStringLiteral("annual"), AnnualAmountSlot, AnnualAmountLabel},
        {QStringLiteral("increase"), IncreaseSlot, IncreaseLabel},
        {QStringLiteral("rate"), RateSlot, RateLabel},
        {QStringLiteral("inflation"), InflationSlot, InflationLabel},
        {QStringLiteral("years"), TermSlot, TermLabel},
    };
    return options;
}

QString usage() {
    return QStringLiteral(
        "usage: pennywell-calc savings [--lump L] [--annual A] [--rate R] [--years N]\n"
        "                              [--inflation F] [--increase G] [--format text|csv|json]\n"
        "                              [--graph]\n"
        "                              [--report [--header TEXT] [--font 0|1|2|3] [--format pdf "
        "--output FILE]]\n"
        "Defaults: lump 0, annual 1000, rate 20, years 25, inflation 0, increase 0.\n"
        "--inflation and --increase may be negative.\n"
        "--graph prints the points of the graph instead of the grid.\n");
}

QJsonObject gridJson(const GrowthGrid& grid) {
    QJsonArray rows;
    for (const QStringList& row : grid.rows)
        rows.append(QJsonArray::fromStringList(row));
    return {{"headers", QJsonArray::fromStringList(grid.headers)}, {"rows", rows}};
}

// The grid as the window shows it, without the empty rows below the totals.
QString gridText(const GrowthGrid& grid) {
    qsizetype used = grid.rows.size();
    while (used > 0 && grid.rows[used - 1].join(QString()).isEmpty())
        --used;
    QList<QStringList> lines = {QStringList()};
    for (const QString& header : grid.headers)
        lines[0].append(header.simplified());
    lines += grid.rows.mid(0, used);
    return fixedWidthTable(lines);
}

// The year rows, as the graph and the grid take them from the table; the totals are left to the
// reader to sum.
FigureTable growthFigures(const GrowthResult& result) {
    FigureTable table{{"year", "invested", "interest", "value"}, {}};
    for (int year = 1; year <= result.yearsShown; ++year) {
        const GrowthRow& row = result.table[std::size_t(year)];
        table.rows.append({double(year), row[2], row[3], row[4]});
    }
    return table;
}

QJsonObject growthValues(const GrowthResult& result) {
    const GrowthRow& totals = result.table[std::size_t(result.yearsShown + 1)];
    return {{"rows", jsonRows(growthFigures(result))},
            {"total_invested", jsonFigure(totals[2])},
            {"total_interest", jsonFigure(totals[3])},
            {"total_value", jsonFigure(totals[4])}};
}

struct TypedBoxes {
    QStringList texts; // every box, as it shows its value
    std::optional<Refusal> refusal;
    QString problem; // a value no box takes: the command line is wrong
};

// A freshly opened window, then each given value typed into its box and the box left.
TypedBoxes typeIntoBoxes(const QCommandLineParser& parser, SavingsSession& session) {
    session.open();
    TypedBoxes boxes;
    for (const BoxOption& option : boxOptions()) {
        const bool typed = parser.isSet(option.name);
        const QString name = "--" + option.name;
        const BoxKeys keys =
            takesNegativeRate(option.slot) ? BoxKeys::SignedAmount : BoxKeys::Amount;
        // The years box caps a larger value itself, with its message.
        const QString problem = typed ? typedValueProblem(name, parser.value(option.name), keys,
                                                          option.slot != TermSlot)
                                      : QString();
        if (!problem.isEmpty())
            return {{}, {}, problem};
        if (typed) {
            const BoxCommit committed = session.commit(option.slot, parser.value(option.name));
            if (!boxes.refusal && committed.message)
                boxes.refusal = refusalOf(*committed.message, name);
        }
        boxes.texts.append(
            session.boxText(option.slot, option.slot == LumpSumSlot && !typed ? 15 : 13));
    }
    return boxes;
}

// The calculation's refusal, named after the years where the term is what it refuses.
std::optional<Refusal> calculationRefusal(const SavingsOutcome& outcome) {
    if (!outcome.message)
        return std::nullopt;
    const bool term = outcome.result.outcome == GrowthOutcome::TermOverLimit;
    return refusalOf(*outcome.message, term ? QStringLiteral("--years") : QString());
}

// The points the graph screen would draw; nothing to draw is refused as its button refuses it.
int writeGraph(const SavingsSession& session, std::optional<Refusal> refusal, OutputFormat format,
               const QString& symbol, QTextStream& out, QTextStream& err) {
    if (!refusal && session.graphRefusal())
        refusal = refusalOf(*session.graphRefusal());
    const graph::GraphSeries series = refusal ? graph::GraphSeries() : session.graphSeries();
    return writeSavingsAnswer(
        format, graphJson(series, !refusal), refusal,
        [&](OutputFormat plain) { return graphText(plain, series, symbol); }, out, err);
}

int writePrintout(const SavingsSession& session, std::optional<Refusal> refusal,
                  const ReportRequest& wanted, OutputFormat format, const QString& symbol,
                  QTextStream& out, QTextStream& err) {
    if (!refusal && session.printRefusal())
        refusal = refusalOf(*session.printRefusal());
    if (refusal)
        return writeReportRefusal(*refusal, format, out, err);
    return writeReport(session.printedReport({wanted.HeaderLine, wanted.fontChoice, symbol}),
                       report::SavingsReportName, wanted, format, out, err);
}

int runSavings(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    for (const BoxOption& option : boxOptions())
        parser.addOption({option.name, QString(), QStringLiteral("value")});
    parser.addOption({QStringLiteral("graph"), QString()});
    addReportOptions(parser);
    const auto parsed = parseCommand(parser, Name, arguments, usage(), out, err);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    const OutputFormat format = std::get<OutputFormat>(parsed);
    const ReportOptionsRead report = readReportOptions(parser, format);
    if (!report.problem.isEmpty())
        return badUsage(err, Name, report.problem);

    SavingsState savings;
    GraphHandOff results;
    const QString symbol = userCurrencySymbol();
    SavingsSession session(savings, results, symbol);
    const TypedBoxes typed = typeIntoBoxes(parser, session);
    if (!typed.problem.isEmpty())
        return badUsage(err, Name, typed.problem);
    std::optional<Refusal> refusal = typed.refusal;
    SavingsOutcome outcome{GrowthResult(), freshGrowthGrid(), std::nullopt};
    if (!refusal) {
        outcome = session.calculate();
        refusal = calculationRefusal(outcome);
    }
    if (parser.isSet("graph"))
        return writeGraph(session, refusal, format, symbol, out, err);
    if (report.request.wanted)
        return writePrintout(session, refusal, report.request, format, symbol, out, err);

    const auto plainOutput = [&](OutputFormat plain) {
        if (plain == OutputFormat::Csv)
            return csvText(growthFigures(outcome.result));
        QList<QStringList> boxes;
        for (qsizetype index = 0; index < typed.texts.size(); ++index)
            boxes.append({boxOptions()[index].label.simplified(), typed.texts[index]});
        return fixedWidthTable(boxes, false) + u'\n' + gridText(outcome.grid);
    };
    QJsonObject json{{"grid", gridJson(outcome.grid)}};
    if (!refusal)
        json.insert("values", growthValues(outcome.result));
    return writeSavingsAnswer(format, json, refusal, plainOutput, out, err);
}

} // namespace

Command savingsCommand() {
    return {Name, QStringLiteral("growth of a lump sum and yearly investments"), runSavings};
}

} // namespace pennywell::cli
