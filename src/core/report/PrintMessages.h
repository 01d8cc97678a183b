#pragma once

#include <QString>

namespace pennywell::report {

// What the user is told when a printout cannot reach paper, and the offer that follows.
namespace print_messages {

inline const QString Title = QStringLiteral("Printer");
inline const QString NoDefaultPrinter = QStringLiteral("There is no default printer.");
inline const QString CannotOpenPrinter = QStringLiteral("The printer could not be opened.");
inline const QString NothingToPrint = QStringLiteral("The printout has no pages.");
inline const QString NotAnswering = QStringLiteral("The printer does not answer.");
inline const QString NoRoomForPrintout =
    QStringLiteral("There is not enough room in the temporary folder for the printout.");
inline const QString OfferPdf = QStringLiteral("Save the printout as a PDF file instead?");
inline const QString PdfFilter = QStringLiteral("PDF Files (*.pdf)|*.pdf");
// The graph screen asks before it prints, having no header line to ask for.
inline const QString ContinueWithPrintout = QStringLiteral("Continue with Printout.");
inline const QString PrintInColour = QStringLiteral("Print in Color.");

// The prompt for the printout's header line.
inline const QString HeaderTitle = QStringLiteral("Input");
inline const QString HeaderDescription = QStringLiteral("The header line of the printout");
inline const QString HeaderPrompt = QStringLiteral(" Type in one line header information.");
inline const QString ContinuePrintoutCaption = QStringLiteral("Continue &Printout");

inline QString spoolerRefused(const QString& reason) {
    return QStringLiteral("The printer did not accept the printout: %1").arg(reason);
}

inline QString cannotWritePrintout(const QString& reason) {
    return QStringLiteral("The printout could not be written to the temporary folder: %1")
        .arg(reason);
}

inline QString cannotWritePdf(const QString& path) {
    return QStringLiteral("The PDF file could not be written:\r\n%1").arg(path);
}

// "<problem>\r\n\r\n<offer>", the message of the box that asks.
inline QString printFailed(const QString& problem) {
    return problem + QStringLiteral("\r\n\r\n") + OfferPdf;
}

} // namespace print_messages
} // namespace pennywell::report
