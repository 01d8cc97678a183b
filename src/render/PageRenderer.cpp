#include "render/PageRenderer.h"

#include "core/report/PrintMessages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace pennywell::render {
namespace {

constexpr qreal PreferredMargin = 36; // half an inch, in points

// Font metrics in points, measured at a large pixel size so that hinting cannot round them.
struct FontMeasure {
    qreal charWidth;
    qreal lineSpacing;
    qreal ascent;
};

FontMeasure measure(const QFont& font) {
    constexpr int Reference = 1000;
    QFont large(font);
    large.setPixelSize(Reference);
    const QFontMetricsF metrics(large);
    const qreal scale = font.pointSizeF() / Reference;
    return {metrics.horizontalAdvance(QLatin1Char('0')) * scale, metrics.lineSpacing() * scale,
            metrics.ascent() * scale};
}

int widestLine(const report::PrintedReport& report) {
    qsizetype widest = 0;
    for (const QStringList& page : report.pages)
        for (const QString& line : page) {
            qsizetype length = line.size();
            while (length > 0 && line.at(length - 1) == QLatin1Char(' '))
                --length;
            widest = std::max(widest, length);
        }
    return int(widest);
}

int fullestPage(const report::PrintedReport& report) {
    qsizetype fullest = 1;
    for (const QStringList& page : report.pages)
        fullest = std::max(fullest, page.size());
    return int(fullest);
}

// Where a block of `extent` starts along one direction: the preferred margin when it fits
// inside it, else centred on the paper, but never before the printable area begins.
qreal blockStart(qreal extent, qreal paperStart, qreal paperLength, qreal printableStart,
                 qreal printableEnd) {
    const qreal preferred = std::max(printableStart, paperStart + PreferredMargin);
    if (preferred + extent <= std::min(printableEnd, paperStart + paperLength - PreferredMargin))
        return preferred;
    return std::max(printableStart, paperStart + (paperLength - extent) / 2);
}

// Maps points on the paper to the device's pixels, whose origin is the printable area's
// top left corner.
struct PointsToDevice {
    QPointF origin;
    qreal scale;
    QPointF operator()(qreal x, qreal y) const {
        return QPointF((x - origin.x()) * scale, (y - origin.y()) * scale);
    }
};

void drawReport(const report::PrintedReport& report, QPagedPaintDevice& device, QPainter& painter) {
    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.fullRectPoints();
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const TextPageGeometry geometry = textPageGeometry(report, paper, printable);
    const PointsToDevice toDevice{printable.topLeft(), device.logicalDpiY() / 72.0};
    const qreal ascent = measure(geometry.font).ascent;

    painter.setFont(geometry.font);
    painter.setPen(Qt::black);
    for (qsizetype pageIndex = 0; pageIndex < report.pages.size(); ++pageIndex) {
        if (pageIndex > 0)
            device.newPage();
        const QStringList& page = report.pages.at(pageIndex);
        for (qsizetype lineIndex = 0; lineIndex < page.size(); ++lineIndex) {
            const qreal baseline = geometry.top + qreal(lineIndex) * geometry.lineStep + ascent;
            painter.drawText(toDevice(geometry.left, baseline), page.at(lineIndex));
        }
    }
}

// The part of the sheet inside the preferred margins and the printable area, in points; the
// whole printable area on paper too small for the margins.
QRectF marginFrame(const QPageLayout& layout) {
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const QRectF inside =
        QRectF(layout.fullRectPoints())
            .adjusted(PreferredMargin, PreferredMargin, -PreferredMargin, -PreferredMargin);
    // Checked before intersecting: an intersection turns margins that cross into a small frame.
    const QRectF frame = inside.isValid() ? inside.intersected(printable) : QRectF();
    return frame.isEmpty() ? printable : frame;
}

void drawPicture(const PrintedPicture& printed, QPagedPaintDevice& device, QPainter& painter) {
    const QPageLayout layout = device.pageLayout();
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const QRectF frame = marginFrame(layout);
    const QRectF drawn = printed.picture.boundingRect();
    const QSizeF size = drawn.size().scaled(frame.size(), Qt::KeepAspectRatio);
    const qreal left = frame.left() + (frame.width() - size.width()) / 2;
    const PointsToDevice toDevice{printable.topLeft(), device.logicalDpiY() / 72.0};
    const QRectF target(toDevice(left, frame.top()),
                        toDevice(left + size.width(), frame.top() + size.height()));
    // A picture plays at its own resolution's size on every device: scaled from there.
    const qreal toResolution = qreal(device.logicalDpiX()) / printed.picture.logicalDpiX();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / drawn.width() / toResolution,
                  target.height() / drawn.height() / toResolution);
    painter.drawPicture(-drawn.topLeft(), printed.picture);
    painter.restore();
}

// Flows the text over the sheets inside the margins. A copy is laid out for the device itself,
// so the lines break where they are printed; text of no colour of its own prints black,
// whatever the screen's theme.
void drawText(const QTextDocument& text, QPagedPaintDevice& device, QPainter& painter) {
    const QPageLayout layout = device.pageLayout();
    const QRectF frame = marginFrame(layout);
    const PointsToDevice toDevice{layout.paintRect(QPageLayout::Point).topLeft(),
                                  device.logicalDpiY() / 72.0};
    const QRectF body(toDevice(frame.left(), frame.top()), toDevice(frame.right(), frame.bottom()));

    const std::unique_ptr<QTextDocument> flowed(text.clone());
    QAbstractTextDocumentLayout* textLayout = flowed->documentLayout();
    textLayout->setPaintDevice(&device);
    flowed->setPageSize(body.size());

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int page = 0; page < flowed->pageCount(); ++page) {
        if (page > 0)
            device.newPage();
        const QRectF sheet(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(body.left(), body.top() - sheet.top());
        painter.setClipRect(sheet);
        context.clip = sheet;
        textLayout->draw(&painter, context);
        painter.restore();
    }
}

bool isEmpty(const PrintDocument& document) {
    if (const auto* report = std::get_if<report::PrintedReport>(&document.content))
        return report->pages.isEmpty();
    if (const auto* text = std::get_if<PrintedText>(&document.content))
        return !text->document || text->document->isEmpty();
    return std::get<PrintedPicture>(document.content).picture.boundingRect().isEmpty();
}

} // namespace

QFont reportFont(PrinterFont fontChoice) {
    static constexpr int PointSizes[PrinterFontCount] = {10, 10, 11, 12};
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(false);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(PointSizes[fontNumber(fontChoice)]);
    return font;
}

TextPageGeometry textPageGeometry(const report::PrintedReport& report, const QRectF& paper,
                                  const QRectF& printable) {
    TextPageGeometry geometry;
    geometry.font = reportFont(report.fontChoice);
    const FontMeasure font = measure(geometry.font);

    const qreal width = widestLine(report) * font.charWidth;
    geometry.charWidth = font.charWidth;
    geometry.left =
        blockStart(width, paper.left(), paper.width(), printable.left(), printable.right());
    if (geometry.left + width > printable.right()) {
        // Condensed rather than cut off: the columns keep their places relative to each other.
        const int stretch = int(std::floor(100 * (printable.right() - geometry.left) / width));
        geometry.font.setStretch(std::max(stretch, 1));
        geometry.charWidth = font.charWidth * geometry.font.stretch() / 100;
    }

    const int lines = fullestPage(report);
    const qreal height = lines * font.lineSpacing;
    geometry.top =
        blockStart(height, paper.top(), paper.height(), printable.top(), printable.bottom());
    geometry.lineHeight = font.lineSpacing;
    geometry.lineStep = font.lineSpacing;
    if (geometry.top + height > printable.bottom() && lines > 1)
        geometry.lineStep = (printable.bottom() - geometry.top - font.lineSpacing) / (lines - 1);
    return geometry;
}

std::optional<QString> renderDocument(const PrintDocument& document, QPagedPaintDevice& device) {
    if (isEmpty(document))
        return report::print_messages::NothingToPrint;
    QPainter painter;
    if (!painter.begin(&device))
        return report::print_messages::CannotOpenPrinter;
    if (const auto* report = std::get_if<report::PrintedReport>(&document.content))
        drawReport(*report, device, painter);
    else if (const auto* picture = std::get_if<PrintedPicture>(&document.content))
        drawPicture(*picture, device, painter);
    else
        drawText(*std::get<PrintedText>(document.content).document, device, painter);
    if (!painter.end())
        return report::print_messages::CannotOpenPrinter;
    return std::nullopt;
}

} // namespace pennywell::render
