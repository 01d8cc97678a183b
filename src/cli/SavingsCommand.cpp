#include "cli/SavingsCommand.h"

#include "cli/CommandOutput.h"
#include "cli/GraphOutput.h"
#include "cli/ReportOutput.h"
#include "cli/SavingsAnswer.h"
#include "core/graph/GraphSeries.h"
#include "core/report/SavingsTable.h"
#include "core/savings/GrowthCalculator.h"
#include "core/savings/GrowthPresenter.h"
#include "core/savings/SavingsInputs.h"
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

    // A freshly opened window, then each given value typed into its box and the box left.
    SavingsState savings = openingSavingsState();
    auto& entries = savings.EntryValues;
    QStringList boxTexts;
    std::optional<Refusal> refusal;
    const QString symbol = userCurrencySymbol();
    for (const BoxOption& option : boxOptions()) {
        const bool typed = parser.isSet(option.name);
        const QString value = parser.value(option.name);
        if (typed && !isTypeableAmount(value, takesNegativeRate(option.slot)))
            return badUsage(err, "invalid value for --" + option.name + ": " + value, usage());
        Currency& stored = entries[std::size_t(option.slot)];
        if (typed && option.slot == TermSlot) {
            const TermEntry term = committedTerm(value);
            if (term.overLimit && !refusal)
                refusal = Refusal{savings_texts::HelpTitle, savings_texts::TermBoxLimit};
            stored = term.years;
        } else if (typed) {
            // The box refuses a value beyond the currency's range: the command line is wrong.
            const auto committed = committedValue(value);
            if (!committed)
                return badUsage(err, "--" + option.name + ": the value is too large", usage());
            stored = *committed;
        }
        boxTexts.append(savingsBoxText(option.slot, stored, symbol,
                                       option.slot == LumpSumSlot && !typed ? 15 : 13));
    }

    GrowthGrid grid = freshGrowthGrid();
    GrowthResult result;
    if (!refusal) {
        result = calculateGrowth(growthInputsFrom(savings));
        grid = presentGrowth(result, symbol);
        if (result.outcome == GrowthOutcome::TermOverLimit)
            refusal = Refusal{savings_texts::HelpTitle, savings_texts::TermCalculationLimit};
        else if (result.outcome == GrowthOutcome::Overflow)
            refusal = Refusal{savings_texts::HelpTitle, savings_texts::WrongEntry};
    }

    if (parser.isSet("graph")) {
        // Nothing to draw is refused as the graph button refuses it.
        if (!refusal && result.resultCount == 0)
            refusal = Refusal{savings_texts::AdvisoryTitle, savings_texts::NoGraphData};
        const graph::GraphSeries series =
            refusal
                ? graph::GraphSeries()
                : graph::savingsSeries(result.table, result.resultCount, savings_texts::GraphTitle);
        return writeSavingsAnswer(
            format, graphJson(series), refusal,
            [&](OutputFormat plain) { return graphText(plain, series, symbol); }, out, err);
    }
    if (report.request.wanted) {
        if (!refusal && result.resultCount == 0)
            refusal = Refusal{savings_texts::HelpTitle, savings_texts::NoPrintData};
        if (refusal)
            return writeReportRefusal(*refusal, format, out, err);
        savings.growthTable = result.table;
        const ReportRequest& wanted = report.request;
        return writeReport(report::savingsTable(savings, result.resultCount,
                                                {wanted.HeaderLine, wanted.fontChoice, symbol}),
                           QStringLiteral("Investment Growth"), wanted, format, out, err);
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
