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

// Labels in money as the 2D chart writes them ("$200,000"), with the symbol and separators
// a printf format cannot give. The axis labels and a selected bar's label both come through
// the formatter: the axis's format holds AxisMoney, the bar's ExactMoney. The chart hands
// over a bar's height in single precision, so the bar's amount is taken from the point of
// that height, exact to the cent as in 2D.
const QString AxisMoney = QStringLiteral("%.0f");
const QString ExactMoney = QStringLiteral("%.2f");

class MoneyAxisFormatter final : public QValue3DAxisFormatter {
public:
    MoneyAxisFormatter(QList<graph::GraphPoint> points, QString currencySymbol)
        : points_(std::move(points)), currencySymbol_(std::move(currencySymbol)) {}

protected:
    QValue3DAxisFormatter* createNewInstance() const override {
        return new MoneyAxisFormatter(points_, currencySymbol_);
    }
    void populateCopy(QValue3DAxisFormatter& copy) const override {
        QValue3DAxisFormatter::populateCopy(copy);
        auto& money = static_cast<MoneyAxisFormatter&>(copy);
        money.points_ = points_;
        money.currencySymbol_ = currencySymbol_;
    }
    QString stringForValue(qreal value, const QString& format) const override {
        QString text = format;
        text.replace(AxisMoney, graph::moneyAxisText(value, currencySymbol_));
        return text.replace(ExactMoney, exactAmount(value));
    }

private:
    QString exactAmount(qreal barHeight) const {
        for (const graph::GraphPoint& point : points_)
            if (float(point.value.toDouble()) == float(barHeight))
                return graph::moneyText(point.value, currencySymbol_);
        return graph::moneyText(*Currency::fromDouble(barHeight), currencySymbol_);
    }

    QList<graph::GraphPoint> points_;
    QString currencySymbol_;
};

// The bars stand on a floor that the chart always keeps at the middle of its view, which
// would leave the lower part empty: the view is made taller than the frame that shows it,
// so the frame holds the bars and the floor and cuts off the empty part.
constexpr double ViewHeightPerFrameHeight = 1.5;

int viewHeight(int frameHeight) {
    return int(frameHeight * ViewHeightPerFrameHeight);
}

// The labels scale with the chart; beyond 25 bars they are made smaller, so that the year
// labels, a bar wide each, stay apart.
QFont labelFont(int bars) {
    constexpr int PointSize = 30;
    constexpr int BarsAtFullSize = 25;
    return QFont(QStringLiteral("Liberation Sans"),
                 bars > BarsAtFullSize ? PointSize * BarsAtFullSize / bars : PointSize);
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
        bars_->activeTheme()->setFont(labelFont(int(labels.size())));
        const QList<graph::AxisTick> ticks = graph::moneyAxisTicks(series, currencySymbol);
        QValue3DAxis* values = bars_->valueAxis();
        values->setRange(float(ticks.first().value), float(ticks.last().value));
        values->setSegmentCount(int(ticks.size()) - 1);
        values->setFormatter(new MoneyAxisFormatter(series.points, currencySymbol));
        values->setLabelFormat(AxisMoney);
        // A selected bar tells its year and exact amount, as hovering one does in 2D.
        series_->setItemLabelFormat(QStringLiteral("Year @colLabel: ") + ExactMoney);
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
    // The display's OpenGL does not come or go while the program runs: asked once.
    static const bool working = [] {
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext context;
        if (!surface.isValid() || !context.create())
            return false;
        const bool current = context.makeCurrent(&surface);
        context.doneCurrent();
        return current;
    }();
    return working;
}

std::unique_ptr<ThreeDeeChart> createThreeDeeChart(QWidget* parent) {
    if (!openGLAvailable())
        return nullptr;
    return std::make_unique<DataVisualizationBars>(parent);
}

} // namespace pennywell::ui
