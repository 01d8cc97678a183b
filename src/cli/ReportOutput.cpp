#include "cli/ReportOutput.h"

#include "cli/Command.h"
#include "cli/ReportPdf.h"
#include "core/files/FileName.h"

#include <QCommandLineParser>
#include <QJsonArray>

namespace pennywell::cli {

void addReportOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {"report", "The printed report's pages instead of the screen (text, json or pdf)."},
        {"header", "The one-line header of the report (default empty).", "TEXT"},
        {"font", "Printer font choice 0|1|2|3 (default from the settings).", "N"},
        {"output", "The PDF file --format pdf writes.", "FILE"},
    });
}

ReportOptionsRead readReportOptions(const QCommandLineParser& parser, OutputFormat format) {
    ReportOptionsRead read;
    ReportRequest& request = read.request;
    request.wanted = parser.isSet(QStringLiteral("report"));
    const bool headerOrFont =
        parser.isSet(QStringLiteral("header")) || parser.isSet(QStringLiteral("font"));
    const bool output = parser.isSet(QStringLiteral("output"));
    if (!request.wanted) {
        if (headerOrFont || output || format == OutputFormat::Pdf)
            read.problem = QStringLiteral("--header, --font and --format pdf go with --report");
        return read;
    }
    if (format == OutputFormat::Csv) {
        read.problem = QStringLiteral("--report prints --format text, json or pdf");
        return read;
    }
    if (output != (format == OutputFormat::Pdf)) {
        read.problem = QStringLiteral("--format pdf and --output FILE go together");
        return read;
    }
    request.outputPath = parser.value(QStringLiteral("output"));
    if (output && request.outputPath.isEmpty()) {
        read.problem = QStringLiteral("--output: expected a file name");
        return read;
    }
    // Text, not a file name: bytes that are not UTF-8 read as Qt reads them, not kept as bytes.
    request.HeaderLine = QString::fromUtf8(fileNameBytes(parser.value(QStringLiteral("header"))));
    request.fontChoice = userPrinterFontChoice();
    if (parser.isSet(QStringLiteral("font"))) {
        const QString font = parser.value(QStringLiteral("font"));
        const QStringList choices = {"0", "1", "2", "3"};
        if (!choices.contains(font))
            read.problem = QStringLiteral("--font: expected 0|1|2|3");
        request.fontChoice = int(choices.indexOf(font));
    }
    return read;
}

int writeReport(const report::PrintedReport& report, const QString& name,
                const ReportRequest& request, OutputFormat format, QTextStream& out,
                QTextStream& err) {
    if (format == OutputFormat::Pdf)
        return writeReportPdf(report, name, request.outputPath, err);
    if (format == OutputFormat::Json) {
        QJsonArray pages;
        for (const QStringList& page : report.pages)
            pages.append(QJsonArray::fromStringList(page));
        writeJson(out, {{"pages", pages}});
        return Success;
    }
    for (const QStringList& page : report.pages) {
        for (const QString& line : page)
            out << line << '\n';
        out << '\f';
    }
    return Success;
}

int writeReportRefusal(const Refusal& refusal, OutputFormat format, QTextStream& out,
                       QTextStream& err) {
    if (format == OutputFormat::Json)
        writeJson(out, {{"error", refusalJson(refusal)}});
    else
        writeRefusal(err, refusal);
    return CalculationRefused;
}

} // namespace pennywell::cli
