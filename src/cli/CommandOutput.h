#pragma once

#include "core/state/PlannerMessage.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QTextStream>
#include <optional>
#include <variant>

class QCommandLineParser;

namespace pennywell::cli {

// Pdf is only for a report's pages (--report --format pdf --output FILE).
enum class OutputFormat { Text, Csv, Json, Pdf };

// Adds --format and --help to the parser, parses the command's arguments and answers --help
// and usage errors. Gives the output format to go on with, or the exit status to end with.
std::variant<OutputFormat, int> parseCommand(QCommandLineParser& parser, const QString& command,
                                             const QStringList& arguments, const QString& usage,
                                             QTextStream& out, QTextStream& err);

// The format --format names; empty when it names no known format.
std::optional<OutputFormat> outputFormat(const QCommandLineParser& parser);

// The currency symbol of the user's settings, as the windows show it ("$" without settings).
QString userCurrencySymbol();

// The printer font choice of the user's settings (0 without settings).
int userPrinterFontChoice();

// Reports a usage problem with the usage text on the error stream.
int badUsage(QTextStream& err, const QString& problem, const QString& usage);

// A calculation the window refuses: the message box it would show.
using Refusal = PlannerMessage;
QJsonObject refusalJson(const Refusal& refusal);

void writeJson(QTextStream& out, const QJsonObject& document);

// Rows of cells in fixed-width columns two blanks apart. Grid columns are right-aligned;
// label columns put the first column on the left.
QString fixedWidthTable(const QList<QStringList>& rows, bool rightAligned = true);

} // namespace pennywell::cli
