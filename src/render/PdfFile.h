#pragma once

#include "render/PrintDocument.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <optional>

namespace pennywell::render {

// Renders the document into `pdf` on the paper and printable area of `layout`, through the
// printer's renderer. Returns the problem to tell the user, or nullopt when every page was drawn.
std::optional<QString> renderPdf(const PrintDocument& document, const QPageLayout& layout,
                                 QByteArray& pdf);

// The document as a PDF on A4 paper: the same pages the printer gets, through the same renderer.
// Nullopt with the problem when it cannot be rendered.
std::optional<QByteArray> pdfBytes(const PrintDocument& document,
                                   const QPageSize& paper = QPageSize(QPageSize::A4));

// Writes the PDF in one step, so a failure leaves any earlier file as it was. Returns the
// problem to tell the user, or nullopt when the file was written.
std::optional<QString> writePdfFile(const PrintDocument& document, const QString& path);

} // namespace pennywell::render
