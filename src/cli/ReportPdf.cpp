#include "cli/ReportPdf.h"

#include "cli/Command.h"
#include "render/PdfFile.h"

#include <QGuiApplication>

namespace pennywell::cli {

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

void chooseOffscreenPlatform() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace pennywell::cli
