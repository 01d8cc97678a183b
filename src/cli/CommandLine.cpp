#include "cli/Command.h"
#include "cli/Usage.h"

namespace pennywell::cli {
namespace {

void printUsage(QTextStream& stream) {
    stream << "usage: pennywell-calc COMMAND [options]\n"
              "       pennywell-calc --version\n\ncommands:\n";
    for (const Command& command : commands())
        stream << "  " << command.name.leftJustified(10) << command.summary << '\n';
    stream << "\nRun 'pennywell-calc COMMAND --help' for a command's options.\n";
}

} // namespace

int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty())
        return badUsage(err, QString(), QStringLiteral("no command given"));
    const QString& first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printUsage(out);
        return Success;
    }
    if (first == QLatin1String("--version")) {
        out << "pennywell-calc " << PENNYWELL_VERSION << '\n';
        return Success;
    }
    for (const Command& command : commands()) {
        if (command.name == first)
            return command.run(arguments.mid(1), out, err);
    }
    if (first.startsWith(u'-'))
        return badUsage(err, QString(), first + QStringLiteral(": unknown option"));
    return badUsage(err, QString(), "unknown command '" + first + u'\'');
}

} // namespace pennywell::cli
