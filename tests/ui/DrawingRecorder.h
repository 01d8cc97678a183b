#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextItem>

namespace pennywell::ui::testing {

// What a drawing put where, read back from the painter's calls: each text with its font and
// where its baseline starts, each filled shape with its colour (on the device, after every
// transformation).
struct DrawnText {
    QString text;
    QPointF origin;
    qreal pixelSize;
    bool upright; // turned to read from bottom to top
};

struct DrawnShape {
    QRectF bounds;
    QColor colour;
};

class DrawingRecorder final : public QPaintDevice, private QPaintEngine {
public:
    explicit DrawingRecorder(QSize size) : QPaintEngine(AllFeatures), size_(size) {}

    QList<DrawnText> texts;
    QList<DrawnShape> shapes;

    QPaintEngine* paintEngine() const override { return const_cast<DrawingRecorder*>(this); }

private:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmWidthMM:
        case PdmHeightMM:
            return (metric == PdmWidthMM ? size_.width() : size_.height()) * 254 / 960;
        default:
            return 96; // dots per inch; also the number of colours, never asked
        }
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& changed) override {
        if (changed.state() & DirtyBrush)
            brush_ = changed.brush();
        if (changed.state() & DirtyTransform)
            transform_ = changed.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath& path) override { record(path.toFillPolygon()); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (mode != PolylineMode)
            record(QPolygonF(QList<QPointF>(points, points + count)));
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int index = 0; index < count; ++index)
            record(QPolygonF(rects[index]));
    }
    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
        texts.append({item.text(), transform_.map(origin),
                      item.font().pixelSize() > 0 ? qreal(item.font().pixelSize())
                                                  : item.font().pointSizeF() * 96 / 72,
                      transform_.m12() < 0});
    }
    void record(const QPolygonF& polygon) {
        if (brush_.style() != Qt::NoBrush)
            shapes.append({transform_.map(polygon).boundingRect(), brush_.color()});
    }

    QSize size_;
    QBrush brush_;
    QTransform transform_;
};

} // namespace pennywell::ui::testing
