#pragma once

#include "cli/CommandOutput.h"

#include <QTextStream>
#include <variant>

class QCommandLineParser;

namespace pennywell::cli {

// Adds --format and -h/--help, which every command takes, with their descriptions.
void addCommonOptions(QCommandLineParser& parser);

// Adds the common options to the parser, parses the command's arguments and answers --help
// and usage errors. Only a command that `takesArguments` (a file) may be given words that are
// not options. Gives the output format to go on with, or the exit status to end with.
std::variant<OutputFormat, int> parseCommand(QCommandLineParser& parser, const QString& command,
                                             const QStringList& arguments, const QString& usage,
                                             QTextStream& out, QTextStream& err,
                                             bool takesArguments = false);

// A usage error, as scripts' tools report one: a line naming the option and the problem
// ("pennywell-calc mortgage: --principal: not a number: 'a'"), then where the usage is told.
// Gives the exit status.
int badUsage(QTextStream& err, const QString& command, const QString& problem);

// Which keys an option's box takes: the amount boxes digits and ".", the two signed rates of
// the savings planner also one leading "-", the term boxes digits alone.
enum class BoxKeys { Amount, SignedAmount, Digits };

// Why the option's box would not take `text` as typed; empty when it would. `rangeChecked`:
// a value beyond the money range is wrong too (a box that caps its value itself says so when
// the calculation is refused).
QString typedValueProblem(const QString& option, const QString& text, BoxKeys keys,
                          bool rangeChecked = true);

} // namespace pennywell::cli
