#include "cli/MortgageCommand.h"

#include "cli/CommandOutput.h"
#include "cli/GraphOutput.h"
#include "cli/ReportOutput.h"
#include "core/format/KeyFilter.h"
#include "core/format/LeadingNumber.h"
#include "core/format/TableText.h"
#include "core/graph/GraphSeries.h"
#include "core/mortgage/MortgageSession.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <optional>

namespace pennywell::cli {
namespace {

using namespace pennywell::mortgage;

struct UsageError {
    QString text;
};

// A value as a person would type it into the box: every character must pass the box's key
// filter, and the number is read by the boxes' leading-number rule.
Currency boxValue(const QString& option, const QString& text, int (*filter)(int)) {
    for (const QChar c : text) {
        if (filter(c.unicode()) == 0)
            throw UsageError{QStringLiteral("--%1: the box does not take '%2'").arg(option, c)};
    }
    const std::optional<Currency> value = Currency::fromDouble(leadingNumber(text));
    if (!value)
        throw UsageError{QStringLiteral("--%1: the value is too large").arg(option)};
    return *value;
}

QString listRow(const QString& option, const QString& name, const QStringList& names,
                const QStringList& rows) {
    const qsizetype index = names.indexOf(name);
    if (index < 0)
        throw UsageError{QStringLiteral("--%1: expected one of %2").arg(option, names.join(u'|'))};
    return rows[index];
}

// Additional payments as the dialog takes them: a year of the term and an amount.
void addExtraPayment(ExtraPaymentEntry& entry, const QString& text) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        throw UsageError{QStringLiteral("--extra: expected YEAR=AMOUNT")};
    const double year =
        boxValue(QStringLiteral("extra"), text.left(equals), FilterDigitKey).toDouble();
    const Currency amount =
        boxValue(QStringLiteral("extra"), text.mid(equals + 1), FilterAmountKey);
    // Past the term, or past the table of additional payments when the term is over its limit.
    std::optional<PlannerMessage> refusal = entry.chooseYear(year);
    if (!refusal)
        refusal = entry.amountRefusal(year);
    if (refusal)
        throw UsageError{"--extra:" + refusal->text};
    entry.enter(amount);
}

struct Request {
    MortgageInputs inputs;
    OutputFormat format = OutputFormat::Text;
    bool graph = false; // the graph's points instead of the schedule
    ReportRequest report;
};

Request parseRequest(QCommandLineParser& parser) {
    const QStringList compoundingNames = {"monthly", "bimonthly", "quarterly", "semiannual",
                                          "annual"};
    const QStringList frequencyNames = {"monthly", "semimonthly",  "2weeks",
                                        "1week",   "biweekly-acc", "weekly-acc"};
    const QStringList dayNames = {"365.25", "365", "364", "363"};

    for (const char* required : {"principal", "rate", "term"}) {
        if (!parser.isSet(QString::fromLatin1(required)))
            throw UsageError{QStringLiteral("--%1 is required").arg(QLatin1String(required))};
    }
    Request request;
    const Mode mode = parser.isSet("loan") ? Mode::Loan : Mode::Mortgage;
    MortgageInputs& inputs = request.inputs;
    inputs = defaultInputs(mode);
    inputs.principal = boxValue("principal", parser.value("principal"), FilterAmountKey);
    inputs.ratePercent = boxValue("rate", parser.value("rate"), FilterAmountKey);
    inputs.term = boxValue("term", parser.value("term"), FilterDigitKey);
    inputs.compoundingRow =
        listRow("compounding", parser.value("compounding"), compoundingNames, compoundingRows());
    inputs.frequencyRow =
        listRow("frequency", parser.value("frequency"), frequencyNames, frequencyRows());
    const QStringList viewNames = {"annual", "all"};
    const qsizetype view = viewNames.indexOf(parser.value("view"));
    if (view < 0)
        throw UsageError{QStringLiteral("--view: expected annual|all")};
    inputs.view = view == 0 ? View::Annual : View::All;
    const qsizetype days = dayNames.indexOf(parser.value("days"));
    if (days < 0)
        throw UsageError{QStringLiteral("--days: expected one of %1").arg(dayNames.join(u'|'))};
    inputs.days = daysInYearSetting(int(days));
    inputs.DateView = parser.isSet("dates");
    inputs.FirstPayDate = QDate::currentDate();
    if (parser.isSet("first-date")) {
        inputs.FirstPayDate = QDate::fromString(parser.value("first-date"), Qt::ISODate);
        if (!inputs.FirstPayDate.isValid())
            throw UsageError{QStringLiteral("--first-date: expected yyyy-mm-dd")};
    }
    ExtraPaymentEntry extras(inputs.extraPayments, inputs.ExtraCount,
                             int(std::lround(termYears(inputs))));
    for (const QString& extra : parser.values("extra"))
        addExtraPayment(extras, extra);
    extras.accept();
    const std::optional<OutputFormat> format = outputFormat(parser);
    if (!format)
        throw UsageError{QStringLiteral("--format: expected text|csv|json|pdf")};
    request.format = *format;
    request.graph = parser.isSet("graph");
    if (request.graph && request.format == OutputFormat::Pdf)
        throw UsageError{QStringLiteral("--format pdf prints --report, not --graph")};
    const ReportOptionsRead report = readReportOptions(parser, request.format);
    if (!report.problem.isEmpty())
        throw UsageError{report.problem};
    request.report = report.request;
    return request;
}

QJsonObject boxesJson(const MortgageBoxes& boxes) {
    return {{"InMonthPI", boxes.InMonthPI},     {"PeriodicR", boxes.PeriodicR},
            {"NumPmtsYear", boxes.NumPmtsYear}, {"InDays", boxes.InDays},
            {"EndMortYear", boxes.EndMortYear}, {"AllPayments", boxes.AllPayments},
            {"TotSavd", boxes.TotSavd}};
}

QJsonArray rowJson(const GridRow& row) {
    return QJsonArray::fromStringList(QStringList(row.begin(), row.end()));
}

QJsonObject gridJson(const MortgageGrid& grid) {
    QJsonArray rows;
    for (const GridRow& row : grid.rows)
        rows.append(rowJson(row));
    return {{"headers", rowJson(grid.headers)}, {"rows", rows}};
}

QJsonObject scheduleJson(const MortgageBoxes& boxes, const MortgageGrid& grid) {
    return {{"boxes", boxesJson(boxes)}, {"grid", gridJson(grid)}};
}

QString gridLine(const GridRow& row) {
    constexpr int width = 22;
    QString line = row[0].leftJustified((width + int(row[0].size())) / 2).rightJustified(width);
    for (std::size_t column = 1; column < row.size(); ++column)
        line += row[column].rightJustified(width);
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

void writeText(QTextStream& out, const MortgageInputs& inputs, const QString& symbol,
               const MortgageBoxes& boxes, const MortgageGrid& grid) {
    const ModeTexts texts = modeTexts(inputs.mode, symbol);
    const QList<std::pair<QString, QString>> lines = {
        {PaymentLabel, boxes.InMonthPI},
        {RateFactorLabel, boxes.PeriodicR},
        {PaymentsPerYearLabel, boxes.NumPmtsYear},
        {DaysInYearLabel, boxes.InDays},
        {texts.toFinalLabel, boxes.EndMortYear},
        {texts.totalPaidLabel, boxes.AllPayments},
        {SavingsLabel, boxes.TotSavd},
    };
    out << texts.caption << "\n\n";
    for (const auto& [label, box] : lines)
        out << label.simplified().leftJustified(34) << box << '\n';
    out << '\n' << gridLine(grid.headers) << '\n';
    // The grid's spare rows at the end are left out of the printed text.
    std::size_t shown = grid.rows.size();
    while (shown > 0 && grid.rows[shown - 1] == GridRow{})
        --shown;
    for (std::size_t row = 0; row < shown; ++row)
        out << gridLine(grid.rows[row]) << '\n';
}

void writeCsv(QTextStream& out, const MortgageResult& result) {
    const bool annual = result.view == View::Annual;
    const bool dates = result.DateView;
    out << (annual ? "year" : "payment")
        << ",interest,principal,balance,cumulative_interest,cumulative_principal"
        << (dates ? ",date" : "") << '\n';
    for (int r = 1; r <= result.RowCount; ++r) {
        const PayRow& row = result.PayTable[std::size_t(r)];
        out << r << ',' << plainNumber(row.interest, StoredDecimals) << ','
            << plainNumber(row.principal, StoredDecimals) << ','
            << plainNumber(row.balance, StoredDecimals) << ','
            << plainNumber(row.cumulativeInterest, StoredDecimals) << ','
            << plainNumber(row.cumulativePrincipal, StoredDecimals);
        if (dates)
            out << ',' << row.date.toString(Qt::ISODate);
        out << '\n';
    }
}

int report(const Request& request, QTextStream& out, QTextStream& err) {
    const MortgageInputs& inputs = request.inputs;
    // A refused calculation shows the boxes it got to and an empty grid, as the window does.
    const auto refuse = [&](const PlannerMessage& message, const MortgageBoxes& boxes) -> int {
        if (request.report.wanted)
            return writeReportRefusal(message, request.format, out, err);
        if (request.format == OutputFormat::Json) {
            QJsonObject document = request.graph ? graphJson(graph::GraphSeries())
                                                 : scheduleJson(boxes, freshGrid(inputs.mode));
            document.insert("error", refusalJson(message));
            writeJson(out, document);
        } else {
            err << message.title << ": " << message.text << '\n';
        }
        return CalculationRefused;
    };
    const QString symbol = userCurrencySymbol();
    MortgageHandOff last;
    GraphHandOff results;
    MortgageSession session(inputs.mode, last, results, symbol);
    session.inputs() = inputs;
    const MortgageOutcome outcome = session.calculate();
    const MortgageBoxes& boxes = outcome.boxes;
    if (outcome.message)
        return refuse(*outcome.message, boxes);
    const MortgageResult& result = last.result;
    if (request.graph) {
        const graph::GraphSeries series = session.graphSeries();
        if (request.format == OutputFormat::Json)
            writeJson(out, graphJson(series));
        else
            out << graphText(request.format, series, symbol);
        return Success;
    }
    if (request.report.wanted) {
        const ReportRequest& wanted = request.report;
        const DateStyle dates{QLocale(), request.format == OutputFormat::Json};
        return writeReport(
            session.printedReport({wanted.HeaderLine, wanted.fontChoice, symbol}, dates),
            session.reportName(), wanted, request.format, out, err);
    }
    switch (request.format) {
    case OutputFormat::Json:
        writeJson(out, scheduleJson(boxes, session.grid({QLocale(), true})));
        break;
    case OutputFormat::Csv:
        writeCsv(out, result);
        break;
    case OutputFormat::Text:
    case OutputFormat::Pdf: // refused without --report
        writeText(out, inputs, symbol, boxes, session.grid({QLocale(), false}));
        break;
    }
    return Success;
}

// Qt's help text without its own usage line, which names the executable's path.
QString optionsHelp(const QCommandLineParser& parser) {
    const QString help = parser.helpText();
    return help.mid(help.indexOf(u'\n') + 1);
}

void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Mortgage or personal-loan schedule, as one press of Calculate."));
    parser.addHelpOption();
    parser.addOptions({
        {"loan", "Personal loan planner: the term is in months."},
        {"principal", "Principal amount.", "P"},
        {"rate", "Annual interest rate in percent.", "R"},
        {"term", "Term in years (months with --loan).", "N"},
        {"compounding", "monthly|bimonthly|quarterly|semiannual|annual (default monthly)", "C",
         "monthly"},
        {"frequency", "monthly|semimonthly|2weeks|1week|biweekly-acc|weekly-acc (default monthly)",
         "F", "monthly"},
        {"view", "annual|all (default annual)", "V", "annual"},
        {"days", "365.25|365|364|363 (default 365)", "D", "365"},
        {"extra", "Additional payment in a year of the term (repeatable).", "YEAR=AMOUNT"},
        {"dates", "Show payment dates instead of numbers."},
        {"first-date", "Date of the first payment (default today).", "yyyy-mm-dd"},
        {"format", "text|csv|json, or pdf with --report (default text)", "FORMAT", "text"},
        {"graph", "Print the points of the graph instead of the schedule."},
    });
    addReportOptions(parser);
}

int runMortgage(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    addOptions(parser);
    const QString usage = QStringLiteral("usage: pennywell-calc mortgage [options]\n\n");
    const auto misuse = [&](const QString& problem) {
        err << "pennywell-calc mortgage: " << problem << "\n\n" << usage << optionsHelp(parser);
        return BadUsage;
    };
    if (!parser.parse(QStringList{QStringLiteral("pennywell-calc mortgage")} + arguments))
        return misuse(parser.errorText());
    if (parser.isSet("help")) {
        out << usage << optionsHelp(parser);
        return Success;
    }
    if (!parser.positionalArguments().isEmpty())
        return misuse(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    try {
        return report(parseRequest(parser), out, err);
    } catch (const UsageError& error) {
        return misuse(error.text);
    }
}

} // namespace

Command mortgageCommand() {
    return {QStringLiteral("mortgage"), QStringLiteral("mortgage or personal-loan schedule"),
            runMortgage};
}

} // namespace pennywell::cli
