#include "Command.h"
#include "ReportPdf.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    // Only a PDF needs Qt Gui (fonts and the renderer); the calculators run on Qt Core alone.
    std::unique_ptr<QCoreApplication> application;
    if (pennywell::cli::argumentsAskForPdf(arguments)) {
        pennywell::cli::chooseHeadlessPlatformIfNeeded();
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The same name as the program, so both find the user's settings in the same data folder.
    QCoreApplication::setApplicationName(QStringLiteral("pennywell"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return pennywell::cli::runCommandLine(QCoreApplication::arguments().mid(1), out, err);
}
