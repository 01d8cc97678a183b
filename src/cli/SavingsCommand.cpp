#include "cli/SavingsCommand.h"

#include "cli/CommandOutput.h"
#include "cli/GraphOutput.h"
#include "cli/ReportOutput.h"
#include "cli/SavingsAnswer.h"
#include "core/report/SavingsTable.h"
#include "core/savings/SavingsInputs.h"
#include "core/savings/SavingsSession.h"
#include "core/savings/SavingsTexts.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

namespace pennywell::cli {
namespace {

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

QString csvText(const GrowthResult& result) {
    QString text = QStringLiteral("year,invested,interest,value\n");
    for (int year = 1; year <= result.yearsShown + 1; ++year) {
        const GrowthRow& row = result.table[std::size_t(year)];
        const QString first =
            year > result.yearsShown ? QStringLiteral("Total") : QString::number(year);
        text +=
            QStringList{first, plainNumber(row[2]), plainNumber(row[3]), plainNumber(row[4])}.join(
                u',') +
            u'\n';
    }
    return text;
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
        const QString value = parser.value(option.name);
        if (typed && !isTypeableAmount(value, takesNegativeRate(option.slot)))
            return {{}, {}, "invalid value for --" + option.name + ": " + value};
        // The box refuses a value beyond the currency's range: the command line is wrong.
        if (typed && option.slot != TermSlot && !committedValue(value))
            return {{}, {}, "--" + option.name + ": the value is too large"};
        if (typed) {
            const BoxCommit committed = session.commit(option.slot, value);
            if (!boxes.refusal)
                boxes.refusal = committed.message;
        }
        boxes.texts.append(
            session.boxText(option.slot, option.slot == LumpSumSlot && !typed ? 15 : 13));
    }
    return boxes;
}

int runSavings(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    for (const BoxOption& option : boxOptions())
        parser.addOption({option.name, QString(), QStringLiteral("value")});
    parser.addOption({QStringLiteral("graph"), QString()});
    addReportOptions(parser);
    const auto parsed =
        parseCommand(parser, QStringLiteral("savings"), arguments, usage(), out, err);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    const OutputFormat format = std::get<OutputFormat>(parsed);
    const ReportOptionsRead report = readReportOptions(parser, format);
    if (!report.problem.isEmpty())
        return badUsage(err, report.problem, usage());

    SavingsState savings;
    GraphHandOff results;
    const QString symbol = userCurrencySymbol();
    SavingsSession session(savings, results, symbol);
    const TypedBoxes typed = typeIntoBoxes(parser, session);
    if (!typed.problem.isEmpty())
        return badUsage(err, typed.problem, usage());
    const QStringList& boxTexts = typed.texts;
    std::optional<Refusal> refusal = typed.refusal;

    SavingsOutcome outcome{GrowthResult(), freshGrowthGrid(), std::nullopt};
    if (!refusal) {
        outcome = session.calculate();
        refusal = outcome.message;
    }
    const GrowthResult& result = outcome.result;
    const GrowthGrid& grid = outcome.grid;

    if (parser.isSet("graph")) {
        // Nothing to draw is refused as the graph button refuses it.
        if (!refusal)
            refusal = session.graphRefusal();
        const graph::GraphSeries series = refusal ? graph::GraphSeries() : session.graphSeries();
        return writeSavingsAnswer(
            format, graphJson(series), refusal,
            [&](OutputFormat plain) { return graphText(plain, series, symbol); }, out, err);
    }
    if (report.request.wanted) {
        if (!refusal)
            refusal = session.printRefusal();
        if (refusal)
            return writeReportRefusal(*refusal, format, out, err);
        const ReportRequest& wanted = report.request;
        return writeReport(session.printedReport({wanted.HeaderLine, wanted.fontChoice, symbol}),
                           report::SavingsReportName, wanted, format, out, err);
    }

    const auto plainOutput = [&](OutputFormat plain) {
        if (plain == OutputFormat::Csv)
            return csvText(result);
        QList<QStringList> boxes;
        for (qsizetype index = 0; index < boxTexts.size(); ++index)
            boxes.append({boxOptions()[index].label.simplified(), boxTexts[index]});
        return fixedWidthTable(boxes, false) + u'\n' + gridText(grid);
    };
    return writeSavingsAnswer(format, {{"grid", gridJson(grid)}}, refusal, plainOutput, out, err);
}

} // namespace

Command savingsCommand() {
    return {QStringLiteral("savings"),
            QStringLiteral("growth of a lump sum and yearly investments"), runSavings};
}

} // namespace pennywell::cli
