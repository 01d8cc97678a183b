#include "printing/ReportPrinting.h"

#include "common/BusyCursor.h"
#include "common/FileDialogs.h"
#include "common/Messenger.h"
#include "common/Printer.h"
#include "common/Services.h"
#include "printing/PdfFile.h"
#include "printing/PrinterHeaderInput.h"
#include "report/PrintMessages.h"
#include "state/AppState.h"

#include <QStandardPaths>

namespace pennywell::ui {
namespace {

namespace texts = report::print_messages;

void savePdf(QWidget* parent, Services& services, const PrintDocument& document) {
    const FileDialogRequest request{
        FileDialogKind::Save, texts::PdfFilter,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        document.defaultPdfName()};
    const std::optional<QString> path = services.fileDialogs.choose(parent, request);
    if (!path)
        return;
    std::optional<QString> failure;
    {
        const BusyCursor busy;
        failure = writePdfFile(document, *path);
    }
    if (failure)
        services.messenger.show(
            parent, Message{*failure, texts::Title, MessageButtons::Ok, MessageIcon::Critical});
}

void offerPdf(QWidget* parent, Services& services, const PrintDocument& document,
              const QString& problem) {
    const Message question{texts::printFailed(problem), texts::Title, MessageButtons::YesNo,
                           MessageIcon::Warning};
    if (services.messenger.show(parent, question) == MessageAnswer::Yes)
        savePdf(parent, services, document);
}

} // namespace

void printDocument(QWidget* parent, Services& services, const PrintDocument& document) {
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
    PrintDocument document{name, report::PrintedReport()};
    {
        const BusyCursor busy; // from the font set-up to the end of the printout
        const int fontChoice = state.settings.PrinterFontChoice;
        state.LinesPerPage = report::linesPerPage(fontChoice);
        document.content =
            layOut(report::ReportOptions{header, fontChoice, state.settings.CurrencySymbol});
    }
    if (destination == ReportDestination::PdfFile)
        savePdf(parent, services, document);
    else
        printDocument(parent, services, document); // its own hourglass, normal for questions
}

} // namespace pennywell::ui
