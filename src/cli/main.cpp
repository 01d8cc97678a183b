#include "Command.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return pennywell::cli::runCommandLine(QCoreApplication::arguments().mid(1), out, err);
}
