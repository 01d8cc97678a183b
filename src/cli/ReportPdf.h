#pragma once

#include "core/report/PrintedReport.h"

#include <QCoreApplication>
#include <QTextStream>
#include <memory>

namespace pennywell::cli {

// Renders the pages into the PDF file at `path` as the printer would get them, written in one
// step so a failure leaves any earlier file as it was. A cancelled printout (no pages) writes
// no file. Problems go to `err`; gives the exit status.
int writeReportPdf(const report::PrintedReport& report, const QString& name, const QString& path,
                   QTextStream& err);

// Whether the arguments ask for a PDF, so that main() knows to start Qt Gui for the renderer.
bool argumentsAskForPdf(const QStringList& arguments);

// Starts Qt Gui for a PDF. It needs fonts, not a screen: Qt Gui starts on the offscreen platform
// whatever display the environment names, so an unreachable display or a Wayland-only session
// cannot abort it, and the file does not depend on the screen it was made on.
std::unique_ptr<QCoreApplication> startPdfApplication(int& argc, char** argv);

} // namespace pennywell::cli
