#include "render/PdfFile.h"

#include "core/files/AtomicWrite.h"
#include "core/report/PrintMessages.h"
#include "render/PageRenderer.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>

namespace pennywell::render {

std::optional<QString> renderPdf(const PrintDocument& document, const QPageLayout& layout,
                                 QByteArray& pdf) {
    pdf.clear();
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(document.name);
    writer.setCreator(QStringLiteral("Pennywell"));
    writer.setResolution(1200);
    writer.setPageLayout(layout);
    return renderDocument(document, writer);
}

std::optional<QByteArray> pdfBytes(const PrintDocument& document, const QPageSize& paper) {
    // The renderer keeps its own margins; the whole sheet is printable in a file.
    QByteArray bytes;
    if (renderPdf(document, QPageLayout(paper, QPageLayout::Portrait, QMarginsF()), bytes))
        return std::nullopt;
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

} // namespace pennywell::render
