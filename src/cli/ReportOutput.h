#pragma once

#include "cli/CommandOutput.h"
#include "core/report/PrintedReport.h"

#include <optional>

class QCommandLineParser;

namespace pennywell::cli {

// --report [--header TEXT] [--font 0|1|2|3] [--format pdf --output FILE]: the pages "To Printer"
// prints, instead of the screen's figures. The font defaults to the user's settings and the
// header to an empty one.
struct ReportRequest {
    bool wanted = false;
    QString HeaderLine;
    PrinterFont fontChoice = PrinterFont::Standard;
    QString outputPath; // the PDF file, with --format pdf
};

void addReportOptions(QCommandLineParser& parser);

// The report the options ask for, or the usage problem with them.
struct ReportOptionsRead {
    ReportRequest request;
    QString problem; // empty when the options are usable
};
ReportOptionsRead readReportOptions(const QCommandLineParser& parser, OutputFormat format);

// The pages as text (each page ended by a form feed), as JSON {"pages": [[line, ...], ...]}, or
// as a PDF file named `name` inside. A cancelled printout has no pages (and writes no file).
int writeReport(const report::PrintedReport& report, const QString& name,
                const ReportRequest& request, OutputFormat format, QTextStream& out,
                QTextStream& err);

// What the planner would show instead of printing: {"error": ...} in JSON, else on the error
// stream. Gives the exit status.
int writeReportRefusal(const Refusal& refusal, OutputFormat format, QTextStream& out,
                       QTextStream& err);

} // namespace pennywell::cli
