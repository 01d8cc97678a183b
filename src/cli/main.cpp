#include "cli/Command.h"
#include "cli/ReportPdf.h"
#include "cli/StandardOutput.h"
#include "core/files/FileName.h"

#include <QCoreApplication>
#include <QTextStream>
#include <memory>

int main(int argc, char* argv[]) {
    // Taken as the bytes they are, so that a file name in another code page still names its
    // file.
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(pennywell::fileNameFromBytes(argv[index]));
    // Qt sees none of the arguments: every option is the calculator's own, and none of Qt's
    // (such as -platform) may undo the choice of platform below.
    static int qtArgumentCount = 1;
    // Only a PDF needs Qt Gui (fonts and the renderer); the calculators run on Qt Core alone.
    std::unique_ptr<QCoreApplication> application;
    if (pennywell::cli::argumentsAskForPdf(arguments)) {
        application = pennywell::cli::startPdfApplication(qtArgumentCount, argv);
    } else {
        application = std::make_unique<QCoreApplication>(qtArgumentCount, argv);
    }
    // The same name as the program, so both find the user's settings in the same data folder.
    QCoreApplication::setApplicationName(QStringLiteral("pennywell"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = pennywell::cli::runCommandLine(arguments, out, err);
    return pennywell::cli::finishStandardOutput(status, out, err);
}
