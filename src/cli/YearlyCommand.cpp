#include "cli/CommandOutput.h"
#include "cli/SavingsAnswer.h"
#include "cli/SavingsCommand.h"
#include "core/savings/GrowthPresenter.h"
#include "core/savings/SavingsInputs.h"
#include "core/savings/SavingsTexts.h"
#include "core/savings/YearlySession.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <algorithm>

namespace pennywell::cli {
namespace {

QString usage() {
    return QStringLiteral("usage: pennywell-calc yearly --deposit D --rate R\n"
                          "                             [--per monthly|quarterly|semiannual]\n"
                          "                             [--format text|csv|json]\n");
}

// The --per names, in the order of the dialog's option buttons.
constexpr const char* FrequencyNames[] = {"monthly", "quarterly", "semiannual"};

int runYearly(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("deposit"), QString(), QStringLiteral("amount")});
    parser.addOption({QStringLiteral("rate"), QString(), QStringLiteral("percent")});
    parser.addOption({QStringLiteral("per"), QString(), QStringLiteral("frequency")});
    const auto parsed =
        parseCommand(parser, QStringLiteral("yearly"), arguments, usage(), out, err);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    const OutputFormat format = std::get<OutputFormat>(parsed);
    if (format == OutputFormat::Pdf)
        return badUsage(err, QStringLiteral("--format pdf is only for a report"), usage());
    for (const QString& name : {QStringLiteral("deposit"), QStringLiteral("rate")}) {
        if (!parser.isSet(name))
            return badUsage(err, "--" + name + " is required", usage());
        if (!isTypeableAmount(parser.value(name), false))
            return badUsage(err, "invalid value for --" + name + ": " + parser.value(name),
                            usage());
        if (!committedValue(parser.value(name)))
            return badUsage(err, "--" + name + ": the value is too large", usage());
    }
    const QString per = parser.value(QStringLiteral("per"));
    const FrequencyOption* chosen = &FrequencyOptions[0];
    if (parser.isSet(QStringLiteral("per"))) {
        const auto* name = std::find(std::begin(FrequencyNames), std::end(FrequencyNames), per);
        if (name == std::end(FrequencyNames))
            return badUsage(err, "unknown --per: " + per, usage());
        chosen = &FrequencyOptions[name - std::begin(FrequencyNames)];
    }

    SavingsState savings;
    const QString symbol = userCurrencySymbol();
    YearlySession session(savings, symbol);
    session.commit(YearlyDepositSlot, parser.value(QStringLiteral("deposit")));
    session.commit(YearlyRateSlot, parser.value(QStringLiteral("rate")));
    const Currency deposit = savings.EntryValues[YearlyDepositSlot];
    const Currency rate = savings.EntryValues[YearlyRateSlot];
    const YearlyAnswer answer = session.calculate(chosen->frequency);
    const std::optional<Refusal> refusal = answer.message;
    const bool calculated = answer.result.outcome == YearlyOutcome::Calculated;
    const QString& resultText = answer.shown;

    const auto plainOutput = [&](OutputFormat plain) {
        if (plain == OutputFormat::Csv)
            return "deposit,rate,investments,amount\n" + plainNumber(deposit) + u',' +
                   plainNumber(rate) + u',' + QString::number(int(chosen->frequency)) + u',' +
                   (calculated ? plainNumber(answer.result.amount) : QString()) + u'\n';
        using namespace savings_texts;
        return fixedWidthTable({{DepositLabel.simplified(), session.boxText(YearlyDepositSlot)},
                                {YearlyRateLabel.simplified(), session.boxText(YearlyRateSlot)},
                                {FrequencyLabel.simplified(), QString::fromLatin1(chosen->caption)},
                                {YearlyResultLabel.simplified(), resultText}},
                               false);
    };
    return writeSavingsAnswer(format, {{"ResultAnt", resultText}}, refusal, plainOutput, out, err);
}

} // namespace

Command yearlyCommand() {
    return {QStringLiteral("yearly"),
            QStringLiteral("year-end value of monthly, quarterly or semi-annual investments"),
            runYearly};
}

} // namespace pennywell::cli
