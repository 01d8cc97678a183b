#pragma once

#include "core/settings/PrinterFont.h"
#include "core/state/PlannerMessage.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QTextStream>
#include <optional>

class QCommandLineParser;

namespace pennywell::cli {

// Pdf is only for a report's pages (--report --format pdf --output FILE).
enum class OutputFormat { Text, Csv, Json, Pdf };

// The format --format names; empty when it names no known format.
std::optional<OutputFormat> outputFormat(const QCommandLineParser& parser);

// The currency symbol of the user's settings, as the windows show it ("$" without settings).
QString userCurrencySymbol();

// The printer font of the user's settings (the printer's own without settings).
PrinterFont userPrinterFontChoice();

// A calculation the window refuses: the message box it would show, and the option whose value
// it refuses where that is known.
struct Refusal {
    QString title;
    QString text;
    QString option = QString();
};
Refusal refusalOf(const PlannerMessage& message, const QString& option = QString());
// {"title", "text"}, and "option" where it is known.
QJsonObject refusalJson(const Refusal& refusal);
// One line on the error stream: the option, or else the message's title, and the text.
void writeRefusal(QTextStream& err, const Refusal& refusal);

void writeJson(QTextStream& out, const QJsonObject& document);

// Rows of cells in fixed-width columns two blanks apart. Grid columns are right-aligned;
// label columns put the first column on the left.
QString fixedWidthTable(const QList<QStringList>& rows, bool rightAligned = true);

} // namespace pennywell::cli
