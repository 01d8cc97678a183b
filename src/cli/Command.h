#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

namespace pennywell::cli {

// Exit statuses shared by every subcommand.
enum ExitStatus { Success = 0, CalculationRefused = 1, OutputFailed = 1, BadUsage = 2 };

struct Command {
    QString name;
    QString summary; // one line for the general usage text
    // Runs the subcommand on its own arguments (the command name removed).
    std::function<int(const QStringList& arguments, QTextStream& out, QTextStream& err)> run;
};

// Every subcommand of pennywell-calc; each planner adds its own.
const QList<Command>& commands();

// Picks the subcommand named by the first argument and runs it.
int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace pennywell::cli
