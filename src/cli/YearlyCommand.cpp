#include "cli/CommandOutput.h"
#include "cli/FigureTable.h"
#include "cli/SavingsAnswer.h"
#include "cli/SavingsCommand.h"
#include "cli/Usage.h"
#include "core/savings/GrowthPresenter.h"
#include "core/savings/SavingsTexts.h"
#include "core/savings/YearlySession.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <algorithm>

namespace pennywell::cli {
namespace {

const QString Name = QStringLiteral("yearly");

QString usage() {
    return QStringLiteral("usage: pennywell-calc yearly --deposit D --rate R\n"
                          "                             [--per monthly|quarterly|semiannual]\n"
                          "                             [--format text|csv|json]\n");
}

// The --per names, in the order of the dialog's option buttons.
constexpr const char* FrequencyNames[] = {"monthly", "quarterly", "semiannual"};

// The deposit and rate, and the investments a year, as given; empty when the line is wrong.
std::optional<const FrequencyOption*> readOptions(const QCommandLineParser& parser,
                                                  QTextStream& err) {
    for (const QString& name : {QStringLiteral("deposit"), QStringLiteral("rate")}) {
        if (!parser.isSet(name)) {
            badUsage(err, Name, "--" + name + ": required");
            return std::nullopt;
        }
        const QString problem = typedValueProblem("--" + name, parser.value(name), BoxKeys::Amount);
        if (!problem.isEmpty()) {
            badUsage(err, Name, problem);
            return std::nullopt;
        }
    }
    if (!parser.isSet(QStringLiteral("per")))
        return &FrequencyOptions[0];
    const QString per = parser.value(QStringLiteral("per"));
    const auto* name = std::find(std::begin(FrequencyNames), std::end(FrequencyNames), per);
    if (name == std::end(FrequencyNames)) {
        badUsage(err, Name, "--per: expected monthly|quarterly|semiannual: '" + per + u'\'');
        return std::nullopt;
    }
    return &FrequencyOptions[name - std::begin(FrequencyNames)];
}

int runYearly(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("deposit"), QString(), QStringLiteral("amount")});
    parser.addOption({QStringLiteral("rate"), QString(), QStringLiteral("percent")});
    parser.addOption({QStringLiteral("per"), QString(), QStringLiteral("frequency")});
    const auto parsed = parseCommand(parser, Name, arguments, usage(), out, err);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    const OutputFormat format = std::get<OutputFormat>(parsed);
    if (format == OutputFormat::Pdf)
        return badUsage(err, Name, QStringLiteral("--format pdf: only with --report"));
    const std::optional<const FrequencyOption*> chosen = readOptions(parser, err);
    if (!chosen)
        return BadUsage;

    SavingsState savings;
    const QString symbol = userCurrencySymbol();
    YearlySession session(savings, symbol);
    session.commit(YearlyDepositSlot, parser.value(QStringLiteral("deposit")));
    session.commit(YearlyRateSlot, parser.value(QStringLiteral("rate")));
    const YearlyAnswer answer = session.calculate((*chosen)->frequency);
    const bool calculated = answer.result.outcome == YearlyOutcome::Calculated;
    const FigureTable figures{
        {"deposit", "rate", "investments", "amount"},
        {{savings.EntryValues[YearlyDepositSlot], savings.EntryValues[YearlyRateSlot],
          double((*chosen)->frequency),
          calculated ? Figure(answer.result.amount) : Figure(std::monostate())}}};

    const auto plainOutput = [&](OutputFormat plain) {
        if (plain == OutputFormat::Csv)
            return csvText(figures);
        using namespace savings_texts;
        return fixedWidthTable(
            {{DepositLabel.simplified(), session.boxText(YearlyDepositSlot)},
             {YearlyRateLabel.simplified(), session.boxText(YearlyRateSlot)},
             {FrequencyLabel.simplified(), QString::fromLatin1((*chosen)->caption)},
             {YearlyResultLabel.simplified(), answer.shown}},
            false);
    };
    QJsonObject json{{"ResultAnt", answer.shown}};
    if (!answer.message)
        json.insert("values", jsonRows(figures).first());
    const std::optional<Refusal> refusal =
        answer.message ? std::optional(refusalOf(*answer.message)) : std::nullopt;
    return writeSavingsAnswer(format, json, refusal, plainOutput, out, err);
}

} // namespace

Command yearlyCommand() {
    return {Name, QStringLiteral("year-end value of monthly, quarterly or semi-annual investments"),
            runYearly};
}

} // namespace pennywell::cli
