#pragma once

#include "report/PrintedReport.h"

#include <QImage>
#include <QString>
#include <variant>

namespace pennywell::ui {

// One picture on one page (the graph screen), in colour or in shades of grey.
struct PrintedImage {
    QImage image;
    bool colour = false;
};

// Whatever a window sends to paper: text pages laid out by the core, or one picture.
struct PrintDocument {
    QString name; // the job's name at the spooler; also the PDF file's default name
    std::variant<report::PrintedReport, PrintedImage> content;

    QString defaultPdfName() const { return name + QStringLiteral(".pdf"); }
};

} // namespace pennywell::ui
