#include "ReportOutput.h"

#include "Command.h"

#include <QCommandLineParser>
#include <QJsonArray>

namespace pennywell::cli {

void addReportOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {"report", "The printed report's pages instead of the screen (text or json)."},
        {"header", "The one-line header of the report (default empty).", "TEXT"},
        {"font", "Printer font choice 0|1|2|3 (default from the settings).", "N"},
    });
}

ReportOptionsRead readReportOptions(const QCommandLineParser& parser, OutputFormat format) {
    ReportOptionsRead read;
    ReportRequest& request = read.request;
    request.wanted = parser.isSet(QStringLiteral("report"));
    const bool headerOrFont =
        parser.isSet(QStringLiteral("header")) || parser.isSet(QStringLiteral("font"));
    if (!request.wanted) {
        if (headerOrFont)
            read.problem = QStringLiteral("--header and --font go with --report");
        return read;
    }
    if (format == OutputFormat::Csv) {
        read.problem = QStringLiteral("--report prints --format text or json");
        return read;
    }
    request.HeaderLine = parser.value(QStringLiteral("header"));
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

int writeReport(const report::PrintedReport& report, OutputFormat format, QTextStream& out) {
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
        err << refusal.title << ": " << refusal.text << '\n';
    return CalculationRefused;
}

} // namespace pennywell::cli
