#pragma once

#include "CommandOutput.h"
#include "report/PrintedReport.h"

#include <optional>

class QCommandLineParser;

namespace pennywell::cli {

// --report [--header TEXT] [--font 0|1|2|3]: the pages "To Printer" prints, instead of the
// screen's figures. The font defaults to the user's settings and the header to an empty one.
struct ReportRequest {
    bool wanted = false;
    QString HeaderLine;
    int fontChoice = 0;
};

void addReportOptions(QCommandLineParser& parser);

// The report the options ask for, or the usage problem with them.
struct ReportOptionsRead {
    ReportRequest request;
    QString problem; // empty when the options are usable
};
ReportOptionsRead readReportOptions(const QCommandLineParser& parser, OutputFormat format);

// The pages as text (each page ended by a form feed) or as JSON {"pages": [[line, ...], ...]}.
// A cancelled printout has no pages.
int writeReport(const report::PrintedReport& report, OutputFormat format, QTextStream& out);

// What the planner would show instead of printing: {"error": ...} in JSON, else on the error
// stream. Gives the exit status.
int writeReportRefusal(const Refusal& refusal, OutputFormat format, QTextStream& out,
                       QTextStream& err);

} // namespace pennywell::cli
