#include "cli/Usage.h"

#include "cli/Command.h"
#include "core/savings/SavingsInputs.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace pennywell::cli {
namespace {

QString optionName(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Qt's complaint, turned round to name the option first; a complaint it has no turn for is
// passed on as Qt words it.
QString parserProblem(const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty())
        return optionName(parser.unknownOptionNames().first()) + QStringLiteral(": unknown option");
    static const QRegularExpression value(
        QStringLiteral("^(Missing|Unexpected) value after '(.*)'"));
    const QRegularExpressionMatch match = value.match(parser.errorText());
    if (!match.hasMatch())
        return parser.errorText().simplified();
    return match.captured(2) + (match.captured(1) == QLatin1String("Missing")
                                    ? QStringLiteral(": missing value")
                                    : QStringLiteral(": takes no value"));
}

// The problem on one line, whatever the arguments it quotes hold.
QString oneLine(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = u'?';
    }
    return text;
}

} // namespace

void addCommonOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("format"),
                      QStringLiteral("text|csv|json, or pdf with --report (default text)."),
                      QStringLiteral("FORMAT"), QStringLiteral("text")});
    parser.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")});
}

std::variant<OutputFormat, int> parseCommand(QCommandLineParser& parser, const QString& command,
                                             const QStringList& arguments, const QString& usage,
                                             QTextStream& out, QTextStream& err,
                                             bool takesArguments) {
    addCommonOptions(parser);
    if (!parser.parse(QStringList{command} + arguments))
        return badUsage(err, command, parserProblem(parser));
    if (parser.isSet(QStringLiteral("help"))) {
        out << usage;
        return Success;
    }
    if (!takesArguments && !parser.positionalArguments().isEmpty())
        return badUsage(err, command,
                        "unexpected argument '" + parser.positionalArguments().first() + u'\'');
    const std::optional<OutputFormat> format = outputFormat(parser);
    if (!format)
        return badUsage(err, command,
                        "--format: expected text|csv|json|pdf: '" +
                            parser.value(QStringLiteral("format")) + u'\'');
    return *format;
}

int badUsage(QTextStream& err, const QString& command, const QString& problem) {
    const QString program =
        command.isEmpty() ? QStringLiteral("pennywell-calc") : "pennywell-calc " + command;
    err << program << ": " << oneLine(problem) << "\nTry '" << program << " --help'.\n";
    return BadUsage;
}

QString typedValueProblem(const QString& option, const QString& text, BoxKeys keys,
                          bool rangeChecked) {
    const bool minusAllowed = keys == BoxKeys::SignedAmount;
    QString problem;
    if (!minusAllowed && text.startsWith(u'-') && isTypeableAmount(text, true))
        problem = QStringLiteral("cannot be negative");
    else if (!isTypeableAmount(text, minusAllowed))
        problem = QStringLiteral("not a number");
    else if (keys == BoxKeys::Digits && text.contains(u'.'))
        problem = QStringLiteral("not a whole number");
    else if (rangeChecked && !committedValue(text))
        return option + QStringLiteral(": the value is too large");
    else
        return QString();
    return option + ": " + problem + ": '" + text + u'\'';
}

} // namespace pennywell::cli
