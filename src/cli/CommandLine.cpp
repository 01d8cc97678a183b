#include "cli/Command.h"

namespace pennywell::cli {
namespace {

void printUsage(QTextStream& stream) {
    stream << "usage: pennywell-calc COMMAND [options]\n\ncommands:\n";
    for (const Command& command : commands())
        stream << "  " << command.name.leftJustified(10) << command.summary << '\n';
    stream << "\nRun 'pennywell-calc COMMAND --help' for a command's options.\n";
}

} // namespace

int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty()) {
        printUsage(err);
        return BadUsage;
    }
    if (arguments.first() == QLatin1String("--help")) {
        printUsage(out);
        return Success;
    }
    for (const Command& command : commands()) {
        if (command.name == arguments.first())
            return command.run(arguments.mid(1), out, err);
    }
    err << "pennywell-calc: unknown command '" << arguments.first() << "'\n\n";
    printUsage(err);
    return BadUsage;
}

} // namespace pennywell::cli
