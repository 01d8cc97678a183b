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

PrinterFont userPrinterFontChoice() {
    return userSettings().PrinterFontChoice;
}

Refusal refusalOf(const PlannerMessage& message, const QString& option) {
    return {message.title, message.text, option};
}

QJsonObject refusalJson(const Refusal& refusal) {
    QJsonObject json{{"title", refusal.title}, {"text", refusal.text}};
    if (!refusal.option.isEmpty())
        json.insert("option", refusal.option);
    return json;
}

void writeRefusal(QTextStream& err, const Refusal& refusal) {
    err << (refusal.option.isEmpty() ? refusal.title : refusal.option) << ": " << refusal.text
        << '\n';
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
