#include "cli/ReportPdf.h"

#include "cli/Command.h"
#include "render/PdfFile.h"

#include <QGuiApplication>

namespace pennywell::cli {
namespace {

QtMessageHandler previousHandler = nullptr;

// As it starts, Qt Gui looks into the user's runtime folder for the marker of a sandbox, and
// complains on the way when that folder is not set (as under cron) or not private. A PDF never
// uses the folder, so these complaints alone are dropped; every other message is written as
// Qt would write it.
void withoutRuntimeFolderWarnings(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    previousHandler(type, context, message);
}

} // namespace

int writeReportPdf(const report::PrintedReport& report, const QString& name, const QString& path,
                   QTextStream& err) {
    if (report.pages.isEmpty()) {
        err << "pennywell-calc: the printout was cancelled (header \"1\"); no file written\n";
        return Success;
    }
    // Fonts need Qt Gui; main() starts it when the arguments ask for a PDF.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        err << "pennywell-calc: cannot render a PDF without Qt Gui\n";
        return OutputFailed;
    }
    const std::optional<QString> problem = render::writePdfFile({name, report}, path);
    if (problem) {
        err << "pennywell-calc: " << *problem << '\n';
        return OutputFailed;
    }
    return Success;
}

bool argumentsAskForPdf(const QStringList& arguments) {
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        if (arguments[index] == QLatin1String("--format=pdf"))
            return true;
        if (arguments[index] == QLatin1String("--format") && index + 1 < arguments.size() &&
            arguments[index + 1] == QLatin1String("pdf"))
            return true;
    }
    return false;
}

std::unique_ptr<QCoreApplication> startPdfApplication(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(withoutRuntimeFolderWarnings);
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    return application;
}

} // namespace pennywell::cli
