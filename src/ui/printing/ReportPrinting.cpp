#include "ui/printing/ReportPrinting.h"

#include "core/report/PrintMessages.h"
#include "core/state/AppState.h"
#include "render/PdfFile.h"
#include "ui/common/BusyCursor.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/Messenger.h"
#include "ui/common/Printer.h"
#include "ui/common/Services.h"
#include "ui/printing/PrinterHeaderInput.h"

#include <QStandardPaths>

namespace pennywell::ui {
namespace {

namespace texts = report::print_messages;

void offerPdf(QWidget* parent, Services& services, const render::PrintDocument& document,
              const QString& problem) {
    const Message question{texts::printFailed(problem), texts::Title, MessageButtons::YesNo,
                           MessageIcon::Warning};
    if (services.messenger.show(parent, question) == MessageAnswer::Yes)
        savePrintoutAsPdf(parent, services, document);
}

} // namespace

void savePrintoutAsPdf(QWidget* parent, Services& services, const render::PrintDocument& document) {
    const FileDialogRequest request{
        FileDialogKind::Save,
        texts::PdfFilter,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        document.defaultPdfName(),
        {},
        {}};
    const std::optional<QString> path = services.fileDialogs.choose(parent, request);
    if (!path)
        return;
    std::optional<QString> failure;
    {
        const BusyCursor busy;
        failure = render::writePdfFile(document, *path);
    }
    if (failure)
        services.messenger.show(
            parent, Message{*failure, texts::Title, MessageButtons::Ok, MessageIcon::Critical});
}

void printDocument(QWidget* parent, Services& services, const render::PrintDocument& document) {
    std::optional<QString> problem;
    {
        const BusyCursor busy;
        problem = services.printer.print(document);
    }
    // The pointer is back to normal before the user is asked anything.
    if (problem)
        offerPdf(parent, services, document, *problem);
}

void printTextReport(QWidget* parent, AppState& state, Services& services, const QString& name,
                     const ReportLayout& layOut, ReportDestination destination) {
    const QString header = PrinterHeaderInput::ask(state, parent);
    if (report::cancelsPrintout(header))
        return;
    render::PrintDocument document{name, report::PrintedReport()};
    {
        const BusyCursor busy; // from the font set-up to the end of the printout
        const PrinterFont fontChoice = state.settings.PrinterFontChoice;
        state.LinesPerPage = report::linesPerPage(fontChoice);
        document.content =
            layOut(report::ReportOptions{header, fontChoice, state.settings.CurrencySymbol});
    }
    if (destination == ReportDestination::PdfFile)
        savePrintoutAsPdf(parent, services, document);
    else
        printDocument(parent, services, document); // its own hourglass, normal for questions
}

} // namespace pennywell::ui
