#pragma once

#include "core/report/PrintedReport.h"

#include <QPicture>
#include <QString>
#include <memory>
#include <variant>

class QTextDocument;

namespace pennywell::render {

// One drawing on one page (the graph screen), scaled to fit, lines and text kept sharp at
// any resolution. It is drawn in the colours it is to print in (shades of grey for black and
// white); its bounding rectangle is the area it fills.
struct PrintedPicture {
    QPicture picture;
};

// Formatted text (a page of the manual), flowed over as many sheets as it needs. The document
// is the sender's own copy, so the window it came from may change or go away meanwhile.
struct PrintedText {
    std::shared_ptr<const QTextDocument> document;
};

// Whatever a window sends to paper: text pages laid out by the core, one drawing, or
// formatted text.
struct PrintDocument {
    QString name; // the job's name at the spooler; also the PDF file's default name
    std::variant<report::PrintedReport, PrintedPicture, PrintedText> content;

    QString defaultPdfName() const { return name + QStringLiteral(".pdf"); }
};

} // namespace pennywell::render
