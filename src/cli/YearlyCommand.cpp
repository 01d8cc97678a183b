#include "CommandOutput.h"
#include "SavingsCommand.h"
#include "savings/GrowthPresenter.h"
#include "savings/SavingsInputs.h"
#include "savings/SavingsTexts.h"
#include "savings/YearlyCalculator.h"

#include <QCommandLineParser>
#include <QJsonObject>

namespace pennywell::cli {
namespace {

const QString CurrencySymbol = QStringLiteral("$");

QString usage() {
    return QStringLiteral("usage: pennywell-calc yearly --deposit D --rate R\n"
                          "                             [--per monthly|quarterly|semiannual]\n"
                          "                             [--format text|csv|json]\n");
}

struct Frequency {
    QString name;
    QString caption; // the option button's caption
    InvestmentFrequency value;
};

const QList<Frequency>& frequencies() {
    static const QList<Frequency> all = {
        {QStringLiteral("monthly"), QStringLiteral("Monthly"), InvestmentFrequency::Monthly},
        {QStringLiteral("quarterly"), QStringLiteral("Quarterly"), InvestmentFrequency::Quarterly},
        {QStringLiteral("semiannual"), QStringLiteral("Semiannually"),
         InvestmentFrequency::Semiannual},
    };
    return all;
}

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
    for (const QString& name : {QStringLiteral("deposit"), QStringLiteral("rate")}) {
        if (!parser.isSet(name))
            return badUsage(err, "--" + name + " is required", usage());
        if (!isTypeableAmount(parser.value(name), false))
            return badUsage(err, "invalid value for --" + name + ": " + parser.value(name),
                            usage());
    }
    const QString per = parser.value(QStringLiteral("per"));
    const Frequency* frequency = &frequencies().first();
    if (parser.isSet(QStringLiteral("per"))) {
        frequency = nullptr;
        for (const Frequency& candidate : frequencies())
            if (candidate.name == per)
                frequency = &candidate;
        if (!frequency)
            return badUsage(err, "unknown --per: " + per, usage());
    }

    const auto deposit = committedValue(parser.value(QStringLiteral("deposit")));
    const auto rate = committedValue(parser.value(QStringLiteral("rate")));
    std::optional<Refusal> refusal;
    YearlyResult result;
    if (!deposit || !rate) {
        refusal = Refusal{savings_texts::HelpTitle, savings_texts::WrongEntry};
    } else {
        result = calculateYearly(*deposit, *rate, frequency->value);
        if (result.outcome == YearlyOutcome::Overflow)
            refusal = Refusal{savings_texts::HelpTitle, savings_texts::WrongEntry};
    }
    const bool calculated = !refusal && result.outcome == YearlyOutcome::Calculated;
    const QString resultText =
        calculated ? yearlyResultText(CurrencySymbol, result.amount) : QString();

    if (format == OutputFormat::Json) {
        QJsonObject document{{"ResultAnt", resultText}};
        if (refusal)
            document.insert("error", refusalJson(*refusal));
        writeJson(out, document);
    } else if (refusal) {
        err << refusal->title << ": " << refusal->text << '\n';
    } else if (format == OutputFormat::Csv) {
        out << "deposit,rate,investments,amount\n"
            << plainNumber(*deposit) << ',' << plainNumber(*rate) << ',' << int(frequency->value)
            << ',' << (calculated ? plainNumber(result.amount) : "") << '\n';
    } else {
        using namespace savings_texts;
        out << fixedWidthTable(
            {{DepositLabel.simplified(), yearlyDepositBoxText(CurrencySymbol, *deposit)},
             {YearlyRateLabel.simplified(), yearlyRateBoxText(*rate)},
             {FrequencyLabel.simplified(), frequency->caption},
             {YearlyResultLabel.simplified(), resultText}},
            false);
    }
    return refusal ? CalculationRefused : Success;
}

} // namespace

Command yearlyCommand() {
    return {QStringLiteral("yearly"),
            QStringLiteral("year-end value of monthly, quarterly or semi-annual investments"),
            runYearly};
}

} // namespace pennywell::cli
