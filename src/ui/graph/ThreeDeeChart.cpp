#include "graph/ThreeDeeChart.h"

#include "graph/GraphAxis.h"
#include "graph/GraphSeries.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QResizeEvent>
#include <QWidget>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/Q3DCamera>
#include <QtDataVisualization/Q3DScene>
#include <QtDataVisualization/Q3DTheme>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QBarDataProxy>
#include <QtDataVisualization/QCategory3DAxis>
#include <QtDataVisualization/QValue3DAxis>
#include <QtDataVisualization/QValue3DAxisFormatter>

namespace pennywell::ui {
namespace {

// The number in a label format ("%.0f") written as money, as the 2D chart writes it
// ("$200,000"), with the symbol and separators a printf format cannot give.
const QString MoneyPlaceholder = QStringLiteral("%.0f");

class MoneyAxisFormatter final : public QValue3DAxisFormatter {
public:
    explicit MoneyAxisFormatter(QString currencySymbol)
        : currencySymbol_(std::move(currencySymbol)) {}

protected:
    QValue3DAxisFormatter* createNewInstance() const override {
        return new MoneyAxisFormatter(currencySymbol_);
    }
    void populateCopy(QValue3DAxisFormatter& copy) const override {
        QValue3DAxisFormatter::populateCopy(copy);
        static_cast<MoneyAxisFormatter&>(copy).currencySymbol_ = currencySymbol_;
    }
    // The axis labels and a selected bar's label both come through here, each with its format.
    QString stringForValue(qreal value, const QString& format) const override {
        QString text = format;
        return text.replace(MoneyPlaceholder, graph::moneyAxisText(value, currencySymbol_));
    }

private:
    QString currencySymbol_;
};

// The bars stand on a floor that the chart always keeps at the middle of its view, which
// would leave the lower part empty: the view is made taller than the frame that shows it,
// so the frame holds the bars and the floor and cuts off the empty part.
constexpr double ViewHeightPerFrameHeight = 1.5;

int viewHeight(int frameHeight) {
    return int(frameHeight * ViewHeightPerFrameHeight);
}

class ThreeDeeFrame final : public QWidget {
public:
    explicit ThreeDeeFrame(QWidget* parent) : QWidget(parent) {
        // A window of its own, made now so the view is embedded in it and clipped by it.
        setAttribute(Qt::WA_NativeWindow);
        winId();
    }
    void setView(QWidget* view) { view_ = view; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        if (view_)
            view_->setGeometry(0, 0, width(), viewHeight(height()));
        QWidget::resizeEvent(event);
    }

private:
    QWidget* view_ = nullptr;
};

class DataVisualizationBars final : public ThreeDeeChart {
public:
    explicit DataVisualizationBars(QWidget* parent)
        : frame_(new ThreeDeeFrame(parent)), bars_(new Q3DBars),
          container_(QWidget::createWindowContainer(bars_, frame_)) {
        frame_->setObjectName(QStringLiteral("Graph3D"));
        frame_->setAccessibleName(QStringLiteral("Graph in 3D"));
        container_->winId(); // a native child of the frame, so the frame clips it
        frame_->setView(container_);
        bars_->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
        bars_->activeTheme()->setType(Q3DTheme::ThemeQt);
        bars_->activeTheme()->setBackgroundEnabled(false);
        bars_->activeTheme()->setFont(QFont(QStringLiteral("Liberation Sans"), 30));
        bars_->scene()->activeCamera()->setCameraPosition(-12, 18, 125);
        bars_->setBarThickness(1.0f);
        bars_->setBarSpacing(QSizeF(0.3, 0.3));
        bars_->setSelectionMode(QAbstract3DGraph::SelectionItem);
        bars_->rowAxis()->setLabels({QString()});
        bars_->columnAxis()->setLabelAutoRotation(90);
        bars_->columnAxis()->setTitle(QStringLiteral("Year"));
        bars_->columnAxis()->setTitleVisible(true);
        series_->setMesh(QAbstract3DSeries::MeshBevelBar);
        series_->setBaseColor(QColor(0x3a, 0x6e, 0xa5));
        bars_->addSeries(series_);
    }

    QWidget* widget() override { return frame_; }

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
        values->setFormatter(new MoneyAxisFormatter(currencySymbol));
        values->setLabelFormat(MoneyPlaceholder);
        // A selected bar tells its year and amount, the amount as the axis writes it.
        series_->setItemLabelFormat(QStringLiteral("Year @colLabel: ") + MoneyPlaceholder);
    }

    QImage render(const QSize& size) override {
        const QImage view = bars_->renderToImage(4, QSize(size.width(), viewHeight(size.height())));
        return view.copy(0, 0, size.width(), size.height());
    }

private:
    ThreeDeeFrame* frame_;
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
