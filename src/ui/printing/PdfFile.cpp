#include "printing/PdfFile.h"

#include "files/AtomicWrite.h"
#include "printing/PageRenderer.h"
#include "report/PrintMessages.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>

namespace pennywell::ui {

std::optional<QByteArray> pdfBytes(const PrintDocument& document, const QPageSize& paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(document.name);
        writer.setCreator(QStringLiteral("Pennywell"));
        writer.setResolution(1200);
        // The renderer keeps its own margins; the whole sheet is printable in a file.
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF()));
        if (renderDocument(document, writer))
            return std::nullopt;
    }
    return bytes;
}

std::optional<QString> writePdfFile(const PrintDocument& document, const QString& path) {
    const QString problem = report::print_messages::cannotWritePdf(QDir::toNativeSeparators(path));
    const std::optional<QByteArray> bytes = pdfBytes(document);
    if (!bytes)
        return problem;
    if (const SaveResult saved = writeFileAtomically(path, *bytes); !saved)
        return withRefusalReason(problem, saved);
    return std::nullopt;
}

} // namespace pennywell::ui
