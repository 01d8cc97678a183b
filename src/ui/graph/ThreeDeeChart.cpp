#include "graph/ThreeDeeChart.h"

#include "graph/GraphAxis.h"
#include "graph/GraphSeries.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QWidget>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/Q3DCamera>
#include <QtDataVisualization/Q3DScene>
#include <QtDataVisualization/Q3DTheme>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QBarDataProxy>
#include <QtDataVisualization/QCategory3DAxis>
#include <QtDataVisualization/QValue3DAxis>

namespace pennywell::ui {
namespace {

// A label format for the value axis: the symbol is literal text, the number whole.
QString moneyLabelFormat(const QString& currencySymbol) {
    QString symbol = currencySymbol;
    return symbol.replace(QLatin1Char('%'), QStringLiteral("%%")) + QStringLiteral("%.0f");
}

class DataVisualizationBars final : public ThreeDeeChart {
public:
    explicit DataVisualizationBars(QWidget* parent)
        : bars_(new Q3DBars), container_(QWidget::createWindowContainer(bars_, parent)) {
        container_->setObjectName(QStringLiteral("Graph3D"));
        container_->setAccessibleName(QStringLiteral("Graph in 3D"));
        bars_->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
        bars_->activeTheme()->setType(Q3DTheme::ThemeQt);
        bars_->activeTheme()->setBackgroundEnabled(false);
        bars_->activeTheme()->setFont(QFont(QStringLiteral("Liberation Sans"), 30));
        bars_->scene()->activeCamera()->setCameraPosition(-18, 16, 110);
        bars_->setBarThickness(1.0f);
        bars_->setBarSpacing(QSizeF(0.3, 0.3));
        bars_->setSelectionMode(QAbstract3DGraph::SelectionItem);
        bars_->rowAxis()->setLabels({QString()});
        bars_->valueAxis()->setTitleVisible(true);
        series_->setMesh(QAbstract3DSeries::MeshBevelBar);
        series_->setBaseColor(QColor(0x3a, 0x6e, 0xa5));
        bars_->addSeries(series_);
    }

    QWidget* widget() override { return container_; }

    void draw(const graph::GraphSeries& series, const QString& currencySymbol) override {
        auto* row = new QBarDataRow;
        QStringList labels;
        for (const graph::GraphPoint& point : series.points) {
            row->append(QBarDataItem(float(point.value.toDouble())));
            labels.append(point.label);
        }
        auto* rows = new QBarDataArray;
        rows->append(row);
        series_->dataProxy()->resetArray(rows, {QString()}, labels);
        bars_->columnAxis()->setLabels(labels);
        const QList<graph::AxisTick> ticks = graph::moneyAxisTicks(series, currencySymbol);
        QValue3DAxis* values = bars_->valueAxis();
        values->setRange(float(ticks.first().value), float(ticks.last().value));
        values->setSegmentCount(int(ticks.size()) - 1);
        values->setLabelFormat(moneyLabelFormat(currencySymbol));
        values->setTitle(series.title);
        series_->setItemLabelFormat(QStringLiteral("Year @colLabel: @valueLabel"));
    }

    QImage render(const QSize& size) override { return bars_->renderToImage(4, size); }

private:
    Q3DBars* bars_; // owned by the container
    QBar3DSeries* series_ = new QBar3DSeries;
    QWidget* container_;
};

} // namespace

bool openGLAvailable() {
    // The offscreen platform has no windows to draw into, whatever OpenGL it reports.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return false;
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!surface.isValid() || !context.create())
        return false;
    const bool current = context.makeCurrent(&surface);
    context.doneCurrent();
    return current;
}

std::unique_ptr<ThreeDeeChart> createThreeDeeChart(QWidget* parent) {
    if (!openGLAvailable())
        return nullptr;
    return std::make_unique<DataVisualizationBars>(parent);
}

} // namespace pennywell::ui
