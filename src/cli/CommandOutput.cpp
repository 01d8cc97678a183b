#include "cli/CommandOutput.h"

#include "cli/Command.h"
#include "core/settings/PersonalSettings.h"
#include "core/state/ProgramFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>

namespace pennywell::cli {
namespace {

QCommandLineOption formatOption() {
    return {QStringLiteral("format"), QString(), QStringLiteral("text|csv|json"),
            QStringLiteral("text")};
}

PersonalSettings userSettings() {
    const QString folder = resolveProgramFolder(QCoreApplication::applicationDirPath());
    return loadSettings(QDir(folder).filePath(SettingsFileName)).settings;
}

} // namespace

std::optional<OutputFormat> outputFormat(const QCommandLineParser& parser) {
    const QString name = parser.value(QStringLiteral("format"));
    if (name == QLatin1String("text"))
        return OutputFormat::Text;
    if (name == QLatin1String("csv"))
        return OutputFormat::Csv;
    if (name == QLatin1String("json"))
        return OutputFormat::Json;
    if (name == QLatin1String("pdf"))
        return OutputFormat::Pdf;
    return std::nullopt;
}

QString userCurrencySymbol() {
    return userSettings().CurrencySymbol;
}

int userPrinterFontChoice() {
    return userSettings().PrinterFontChoice;
}

int badUsage(QTextStream& err, const QString& problem, const QString& usage) {
    if (!problem.isEmpty())
        err << "pennywell-calc: " << problem << "\n\n";
    err << usage;
    return BadUsage;
}

std::variant<OutputFormat, int> parseCommand(QCommandLineParser& parser, const QString& command,
                                             const QStringList& arguments, const QString& usage,
                                             QTextStream& out, QTextStream& err) {
    parser.addOption(formatOption());
    parser.addOption({QStringLiteral("help"), QString()});
    if (!parser.parse(QStringList{command} + arguments) || !parser.positionalArguments().isEmpty())
        return badUsage(err, parser.errorText(), usage);
    if (parser.isSet(QStringLiteral("help"))) {
        out << usage;
        return Success;
    }
    const std::optional<OutputFormat> format = outputFormat(parser);
    if (!format)
        return badUsage(err, QStringLiteral("unknown format"), usage);
    return *format;
}

QJsonObject refusalJson(const Refusal& refusal) {
    return {{"title", refusal.title}, {"text", refusal.text}};
}

void writeJson(QTextStream& out, const QJsonObject& document) {
    out << QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QString fixedWidthTable(const QList<QStringList>& rows, bool rightAligned) {
    QList<qsizetype> widths;
    for (const QStringList& row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (widths.size() <= column)
                widths.append(0);
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype column = 0; column < row.size(); ++column) {
            const bool left = !rightAligned && column == 0;
            cells.append(left ? row[column].leftJustified(widths[column])
                              : row[column].rightJustified(widths[column]));
        }
        QString line = cells.join(QStringLiteral("  "));
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}

} // namespace pennywell::cli
