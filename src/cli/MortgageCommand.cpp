#include "cli/MortgageCommand.h"

#include "cli/CommandOutput.h"
#include "cli/GraphOutput.h"
#include "cli/MortgageOutput.h"
#include "cli/ReportOutput.h"
#include "cli/Usage.h"
#include "core/format/LeadingNumber.h"
#include "core/graph/GraphSeries.h"
#include "core/mortgage/MortgageSession.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <cmath>
#include <optional>

namespace pennywell::cli {
namespace {

using namespace pennywell::mortgage;

struct UsageError {
    QString text;
};

const QString Name = QStringLiteral("mortgage");

// A value as a person would type it into the box, read by the boxes' leading-number rule.
Currency boxValue(const QString& option, const QString& text, BoxKeys keys) {
    const QString problem = typedValueProblem("--" + option, text, keys);
    if (!problem.isEmpty())
        throw UsageError{problem};
    return *Currency::fromDouble(leadingNumber(text));
}

// Where the value stands among the names the option takes.
int listIndex(const QString& option, const QString& name, const QStringList& names) {
    const qsizetype index = names.indexOf(name);
    if (index < 0)
        throw UsageError{
            QStringLiteral("--%1: expected %2: '%3'").arg(option, names.join(u'|'), name)};
    return int(index);
}

// Additional payments as the dialog takes them: a year of the term and an amount.
void addExtraPayment(ExtraPaymentEntry& entry, const QString& text) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        throw UsageError{"--extra: expected YEAR=AMOUNT: '" + text + u'\''};
    const double year =
        boxValue(QStringLiteral("extra"), text.left(equals), BoxKeys::Digits).toDouble();
    const Currency amount =
        boxValue(QStringLiteral("extra"), text.mid(equals + 1), BoxKeys::Amount);
    // Past the term, or past the table of additional payments when the term is over its limit.
    std::optional<PlannerMessage> refusal = entry.chooseYear(year);
    if (!refusal)
        refusal = entry.amountRefusal(year);
    if (refusal)
        throw UsageError{"--extra: " + refusal->text.trimmed()};
    entry.enter(amount);
}

struct Request {
    MortgageInputs inputs;
    OutputFormat format = OutputFormat::Text;
    bool graph = false; // the graph's points instead of the schedule
    ReportRequest report;
};

// The boxes, the lists and the dialogs' values, as a person would set them in the window.
MortgageInputs readInputs(const QCommandLineParser& parser) {
    const QStringList compoundingNames = {"monthly", "bimonthly", "quarterly", "semiannual",
                                          "annual"};
    const QStringList frequencyNames = {"monthly", "semimonthly",  "2weeks",
                                        "1week",   "biweekly-acc", "weekly-acc"};
    for (const char* required : {"principal", "rate", "term"}) {
        if (!parser.isSet(QString::fromLatin1(required)))
            throw UsageError{QStringLiteral("--%1: required").arg(QLatin1String(required))};
    }
    MortgageInputs inputs = defaultInputs(parser.isSet("loan") ? Mode::Loan : Mode::Mortgage);
    inputs.principal = boxValue("principal", parser.value("principal"), BoxKeys::Amount);
    inputs.ratePercent = boxValue("rate", parser.value("rate"), BoxKeys::Amount);
    inputs.term = boxValue("term", parser.value("term"), BoxKeys::Digits);
    inputs.compounding =
        Compounding(listIndex("compounding", parser.value("compounding"), compoundingNames));
    inputs.frequency = Frequency(listIndex("frequency", parser.value("frequency"), frequencyNames));
    inputs.view =
        listIndex("view", parser.value("view"), {"annual", "all"}) == 0 ? View::Annual : View::All;
    inputs.days = daysInYearSetting(listIndex("days", parser.value("days"), daysChoiceNames()));
    inputs.DateView = parser.isSet("dates");
    inputs.FirstPayDate = QDate::currentDate();
    if (parser.isSet("first-date")) {
        inputs.FirstPayDate = QDate::fromString(parser.value("first-date"), Qt::ISODate);
        if (!inputs.FirstPayDate.isValid())
            throw UsageError{"--first-date: expected yyyy-mm-dd: '" + parser.value("first-date") +
                             u'\''};
    }
    ExtraPaymentEntry extras(inputs.extraPayments, inputs.ExtraCount,
                             int(std::lround(termYears(inputs))));
    for (const QString& extra : parser.values("extra"))
        addExtraPayment(extras, extra);
    extras.accept();
    return inputs;
}

Request parseRequest(const QCommandLineParser& parser, OutputFormat format) {
    Request request{readInputs(parser), format, parser.isSet("graph"), {}};
    if (request.graph && format == OutputFormat::Pdf)
        throw UsageError{QStringLiteral("--format pdf: prints --report, not --graph")};
    const ReportOptionsRead report = readReportOptions(parser, format);
    if (!report.problem.isEmpty())
        throw UsageError{report.problem};
    request.report = report.request;
    return request;
}

// The option a refused calculation is about, where the inputs tell: a term over its limit, or
// a rate or a term of nothing, which leaves nothing to discount.
QString refusedOption(const MortgageInputs& inputs, const PlannerMessage& message) {
    if (message.text == termLimit(inputs.mode).message)
        return QStringLiteral("--term");
    if (inputs.ratePercent == Currency())
        return QStringLiteral("--rate");
    if (inputs.term == Currency())
        return QStringLiteral("--term");
    return QString();
}

// A refused calculation shows the boxes it got to and an empty grid, as the window does.
int refuse(const Request& request, const Refusal& refusal, const MortgageBoxes& boxes,
           QTextStream& out, QTextStream& err) {
    if (request.report.wanted)
        return writeReportRefusal(refusal, request.format, out, err);
    if (request.format == OutputFormat::Json) {
        QJsonObject document = request.graph ? graphJson(graph::GraphSeries(), false)
                                             : scheduleJson(boxes, freshGrid(request.inputs.mode));
        document.insert("error", refusalJson(refusal));
        writeJson(out, document);
    } else {
        writeRefusal(err, refusal);
    }
    return CalculationRefused;
}

int report(const Request& request, QTextStream& out, QTextStream& err) {
    const MortgageInputs& inputs = request.inputs;
    const QString symbol = userCurrencySymbol();
    MortgageHandOff last;
    GraphHandOff results;
    MortgageSession session(inputs.mode, last, results, symbol);
    session.inputs() = inputs;
    const MortgageOutcome outcome = session.calculate();
    const MortgageBoxes& boxes = outcome.boxes;
    if (outcome.message)
        return refuse(request, refusalOf(*outcome.message, refusedOption(inputs, *outcome.message)),
                      boxes, out, err);
    const MortgageResult& result = last.result;
    if (request.graph) {
        const graph::GraphSeries series = session.graphSeries();
        if (request.format == OutputFormat::Json)
            writeJson(out, graphJson(series, true));
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
        writeJson(out, scheduleJson(boxes, session.grid({QLocale(), true}), &result));
        break;
    case OutputFormat::Csv:
        out << csvText(scheduleFigures(result));
        break;
    case OutputFormat::Text:
    case OutputFormat::Pdf: // refused without --report
        writeScheduleText(out, inputs, symbol, boxes, session.grid({QLocale(), false}));
        break;
    }
    return Success;
}

void addOptions(QCommandLineParser& parser) {
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
        {"graph", "Print the points of the graph instead of the schedule."},
    });
    addReportOptions(parser);
}

// The options with Qt's descriptions of them, without Qt's own usage line, which names the
// executable's path.
QString usage() {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Mortgage or personal-loan schedule, as one press of Calculate."));
    addOptions(parser);
    addCommonOptions(parser);
    const QString help = parser.helpText();
    return "usage: pennywell-calc mortgage [options]\n\n" + help.mid(help.indexOf(u'\n') + 1);
}

int runMortgage(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    addOptions(parser);
    const auto parsed = parseCommand(parser, Name, arguments, usage(), out, err);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    try {
        return report(parseRequest(parser, std::get<OutputFormat>(parsed)), out, err);
    } catch (const UsageError& error) {
        return badUsage(err, Name, error.text);
    }
}

} // namespace

Command mortgageCommand() {
    return {Name, QStringLiteral("mortgage or personal-loan schedule"), runMortgage};
}

} // namespace pennywell::cli
