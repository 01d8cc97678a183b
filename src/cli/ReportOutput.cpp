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

namespace {

// The first option given that only a report takes; empty when there is none.
QString reportOnlyOption(const QCommandLineParser& parser, OutputFormat format) {
    for (const char* option : {"header", "font", "output"}) {
        if (parser.isSet(QString::fromLatin1(option)))
            return "--" + QString::fromLatin1(option);
    }
    return format == OutputFormat::Pdf ? QStringLiteral("--format pdf") : QString();
}

} // namespace

ReportOptionsRead readReportOptions(const QCommandLineParser& parser, OutputFormat format) {
    ReportOptionsRead read;
    ReportRequest& request = read.request;
    request.wanted = parser.isSet(QStringLiteral("report"));
    const bool output = parser.isSet(QStringLiteral("output"));
    if (!request.wanted) {
        const QString option = reportOnlyOption(parser, format);
        if (!option.isEmpty())
            read.problem = option + QStringLiteral(": only with --report");
        return read;
    }
    if (format == OutputFormat::Csv) {
        read.problem = QStringLiteral("--format csv: --report prints text, json or pdf");
        return read;
    }
    if (output != (format == OutputFormat::Pdf)) {
        read.problem = output ? QStringLiteral("--output: only with --format pdf")
                              : QStringLiteral("--format pdf: needs --output FILE");
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
            read.problem = "--font: expected 0|1|2|3: '" + font + u'\'';
        request.fontChoice =
            printerFontNumbered(int(choices.indexOf(font))).value_or(PrinterFont::Standard);
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
