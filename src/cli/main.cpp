#include "Command.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    // The same name as the program, so both find the user's settings in the same data folder.
    QCoreApplication::setApplicationName(QStringLiteral("pennywell"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return pennywell::cli::runCommandLine(QCoreApplication::arguments().mid(1), out, err);
}
