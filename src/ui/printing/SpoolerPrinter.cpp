#include "ui/printing/SpoolerPrinter.h"

#include "core/files/AtomicWrite.h"
#include "core/report/PrintMessages.h"
#include "render/PdfFile.h"
#include "ui/printing/SpoolerConnection.h"

#include <QDir>
#include <QTemporaryFile>

namespace pennywell::ui {
namespace {

namespace texts = report::print_messages;

// The spooler takes the job from a file. Qt's PDF writer does not report a failed write, so
// the pages are rendered in memory and every byte's write to the file is checked here: a
// printout cut short by a full temporary folder would otherwise vanish in the spooler.
std::optional<QString> writeSpoolFile(QTemporaryFile& file, const QByteArray& pdf) {
    if (!file.open())
        return texts::cannotWritePrintout(file.errorString());
    const SaveProblem problem = writeAll(file.handle(), pdf);
    if (problem == SaveProblem::NoRoom)
        return texts::NoRoomForPrintout;
    if (problem != SaveProblem::None)
        return texts::cannotWritePrintout(saveProblemText(problem));
    return std::nullopt;
}

} // namespace

std::optional<QString> SpoolerPrinter::print(const render::PrintDocument& document) {
    SpoolerConnection spooler(Patience);
    const SpoolerConnection::Destination printer =
        spooler.connected() ? spooler.defaultDestination() : nullptr;
    const std::optional<QPageLayout> paper =
        printer ? spooler.paperOf(*printer) : std::optional<QPageLayout>();
    if (spooler.timedOut())
        return texts::NotAnswering;
    if (!printer)
        return texts::NoDefaultPrinter;

    QByteArray pdf;
    if (std::optional<QString> problem = render::renderPdf(document, *paper, pdf))
        return problem;
    QTemporaryFile spoolFile(QDir::temp().filePath(QStringLiteral("pennywell-XXXXXX.pdf")));
    if (std::optional<QString> problem = writeSpoolFile(spoolFile, pdf))
        return problem;

    if (spooler.submit(*printer, spoolFile.fileName(), document.name) == 0)
        return spooler.timedOut() ? texts::NotAnswering
                                  : texts::spoolerRefused(spooler.lastError());
    return std::nullopt;
}

} // namespace pennywell::ui
