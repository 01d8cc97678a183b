#pragma once

#include "render/PrintDocument.h"

#include <QFont>
#include <QRectF>
#include <optional>

class QPagedPaintDevice;

namespace pennywell::render {

// The face a report is printed in for a font choice: "Courier New" at 10, 11 or 12 point for
// choices 1 to 3, and at 10 point for the standard choice 0, so the columns line up whatever
// the choice. Never bold.
QFont reportFont(PrinterFont fontChoice);

// Where the text of a report goes on each page, in points from the paper's top left corner.
struct TextPageGeometry {
    QFont font;           // may be condensed when the widest line would not fit across
    qreal left = 0;       // the left edge of column 1
    qreal top = 0;        // the top of the first line
    qreal lineHeight = 0; // the font's own line spacing
    qreal lineStep = 0;   // the line spacing used: less than lineHeight when a page is full
    qreal charWidth = 0;  // the width of one character column
};

// Lays out `report` for a page whose paper and printable area are given in points: half an
// inch of margin where the text allows it, never outside the printable area, and every line
// of the fullest page on the page (the spacing tightens rather than lose a line).
TextPageGeometry textPageGeometry(const report::PrintedReport& report, const QRectF& paper,
                                  const QRectF& printable);

// Paints the document on the device: one report page per device page, a picture on one page,
// formatted text over as many pages as it fills. Returns the problem when the device cannot
// be painted on (nullopt when every page was drawn).
std::optional<QString> renderDocument(const PrintDocument& document, QPagedPaintDevice& device);

} // namespace pennywell::render
