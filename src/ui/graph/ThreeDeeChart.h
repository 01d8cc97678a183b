#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <memory>

class QWidget;

namespace pennywell::graph {
struct GraphSeries;
}

namespace pennywell::ui {

// The three-dimensional bar chart behind the graph screen's "3D" button.
class ThreeDeeChart {
public:
    virtual ~ThreeDeeChart() = default;
    // The widget to show in the chart's place; owned by the parent given at creation.
    virtual QWidget* widget() = 0;
    virtual void draw(const graph::GraphSeries& series, const QString& currencySymbol) = 0;
    // The chart as drawn, for printing: the widget itself cannot be grabbed like others.
    virtual QImage render(const QSize& size) = 0;
};

// Makes the chart, or nothing when there is no OpenGL to draw it with.
using ThreeDeeFactory = std::function<std::unique_ptr<ThreeDeeChart>(QWidget* parent)>;

// The real chart. It is built only after OpenGL has been seen working: without it the
// chart crashes in its constructor (the offscreen platform) or cannot draw.
std::unique_ptr<ThreeDeeChart> createThreeDeeChart(QWidget* parent);

// Whether this display can give the chart a working OpenGL context.
bool openGLAvailable();

} // namespace pennywell::ui
