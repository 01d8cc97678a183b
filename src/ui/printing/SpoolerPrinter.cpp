#include "printing/SpoolerPrinter.h"

#include "printing/PageRenderer.h"
#include "report/PrintMessages.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cups/cups.h>

namespace pennywell::ui {
namespace {

bool isGrey(const PrintDocument& document) {
    const auto* image = std::get_if<PrintedImage>(&document.content);
    return image && !image->colour;
}

} // namespace

std::optional<QString> SpoolerPrinter::print(const PrintDocument& document) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        return report::print_messages::NoDefaultPrinter;

    QTemporaryFile spoolFile(QDir::temp().filePath(QStringLiteral("pennywell-XXXXXX.pdf")));
    if (!spoolFile.open())
        return report::print_messages::CannotOpenPrinter;

    // The printer's own paper and printable area, rendered into the file the spooler takes.
    // Qt's own hand-over to the spooler drops the spooler's answer, hence the file.
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setPageSize(
        printerInfo.defaultPageSize()); // else the locale's paper, not the printer's
    const QPageLayout printerLayout = printer.pageLayout();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(spoolFile.fileName());
    printer.setPageLayout(printerLayout);
    printer.setDocName(document.name);
    printer.setColorMode(isGrey(document) ? QPrinter::GrayScale : QPrinter::Color);
    if (std::optional<QString> problem = renderDocument(document, printer))
        return problem;

    // A queue instance is named "queue/instance"; the spooler knows the queue.
    const QByteArray queue = printerInfo.printerName().section(QLatin1Char('/'), 0, 0).toUtf8();
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.constData(),
                                   QFile::encodeName(spoolFile.fileName()).constData(),
                                   document.name.toUtf8().constData(), 0, nullptr);
    if (job == 0)
        return report::print_messages::spoolerRefused(QString::fromUtf8(cupsLastErrorString()));
    return std::nullopt;
}

} // namespace pennywell::ui
