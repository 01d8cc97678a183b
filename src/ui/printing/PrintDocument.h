#pragma once

#include "report/PrintedReport.h"

#include <QImage>
#include <QString>
#include <memory>
#include <variant>

class QTextDocument;

namespace pennywell::ui {

// One picture on one page (the graph screen), in colour or in shades of grey.
struct PrintedImage {
    QImage image;
    bool colour = false;
};

// Formatted text (a page of the manual), flowed over as many sheets as it needs. The document
// is the sender's own copy, so the window it came from may change or go away meanwhile.
struct PrintedText {
    std::shared_ptr<const QTextDocument> document;
};

// Whatever a window sends to paper: text pages laid out by the core, one picture, or
// formatted text.
struct PrintDocument {
    QString name; // the job's name at the spooler; also the PDF file's default name
    std::variant<report::PrintedReport, PrintedImage, PrintedText> content;

    QString defaultPdfName() const { return name + QStringLiteral(".pdf"); }
};

} // namespace pennywell::ui
