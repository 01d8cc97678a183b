#include "graph/ThreeDeeChart.h"

#include "TestServices.h"
#include "WindowTestSupport.h"
#include "graph/GraphsAll.h"
#include "mortgage/MortgageEngine.h"
#include "printing/PrintDocument.h"
#include "savings/GrowthCalculator.h"
#include "savings/SavingsInputs.h"
#include "state/AppState.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QCategory3DAxis>
#include <QtDataVisualization/QValue3DAxis>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

AppState savingsPlan() {
    AppState state;
    state.savings = openingSavingsState();
    const GrowthResult growth = calculateGrowth(growthInputsFrom(state.savings));
    state.savings.growthTable = growth.table;
    state.graph = {growth.resultCount, "Investment value at end of each Year", 1};
    return state;
}

// The default 25-year mortgage: its first bar, the principal, is the tallest.
AppState mortgagePlan() {
    AppState state;
    state.mortgage.inputs = mortgage::defaultInputs(mortgage::Mode::Mortgage);
    state.mortgage.result = mortgage::calculateMortgage(state.mortgage.inputs);
    state.graph = {state.mortgage.result.ResultCount, state.mortgage.result.GraphTitle, 4};
    return state;
}

bool isBarPixel(const QColor& pixel) {
    return pixel.blue() > pixel.red() + 40 && pixel.blue() > 90;
}

int barPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isBarPixel(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

int differingPixels(const QImage& one, const QImage& other) {
    int count = 0;
    for (int y = 0; y < std::min(one.height(), other.height()); ++y)
        for (int x = 0; x < std::min(one.width(), other.width()); ++x)
            count += one.pixel(x, y) != other.pixel(x, y) ? 1 : 0;
    return count;
}

// The chart's OpenGL window, which hangs below the widgets as a window of its own.
Q3DBars* shownBars() {
    for (QWindow* window : QGuiApplication::allWindows())
        if (auto* bars = qobject_cast<Q3DBars*>(window))
            return bars;
    return nullptr;
}

} // namespace

// Runs on a real X display (Xvfb) with Mesa's software OpenGL, as a desktop without a
// graphics card would.
class ThreeDeeChartTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY2(openGLAvailable(), "no OpenGL on this display");
        state_ = savingsPlan();
        services_ = std::make_unique<TestServices>();
        graphs_ = std::make_unique<GraphsAll>(state_, services_->services);
        QVERIFY(showAndActivate(graphs_.get()));
        clickButton(graphs_.get(), "ThreeDee");
        QVERIFY(services_->messenger.shown.isEmpty());
    }

    void cleanup() { graphs_.reset(); }

    void drawsTheBarsOfTheSeriesInThreeDimensions() {
        auto* view = child<QWidget>(graphs_.get(), "Graph3D");
        QCOMPARE(child<QStackedWidget>(graphs_.get(), "Graph1")->currentWidget(), view);
        // The picture that goes to the printer holds the rendered 3D bars: bars in the series
        // colour cover a good part of it, not a blank frame.
        waitForBars();
    }

    // The years stand upright along the base where the picture shows them: taking their labels
    // away changes the picture as much as that. Money is written as the 2D chart writes it, on the
    // axis and for a selected bar.
    void namesTheYearsAndWritesMoneyWithSeparators() {
        waitForBars();
        Q3DBars* bars = shownBars();
        QVERIFY(bars);
        QCOMPARE(bars->columnAxis()->labels().size(), 25);
        QCOMPARE(bars->columnAxis()->labels().last(), QStringLiteral("25"));
        bars->columnAxis()->setTitleVisible(false); // it would move up without the labels
        const QImage labelled = graphs_->formImage();
        const QStringList years = bars->columnAxis()->labels();
        bars->columnAxis()->setLabels(QStringList(years.size(), QString()));
        const QImage unlabelled = graphs_->formImage();
        bars->columnAxis()->setLabels(years);
        // Upright, the 25 labels cover about 7,400 pixels here; lying flat on the floor, seen
        // edge-on and unreadable, about 3,500.
        QVERIFY2(differingPixels(labelled, unlabelled) > 5500,
                 qPrintable(QString::number(differingPixels(labelled, unlabelled))));

        QTRY_COMPARE(bars->valueAxis()->labels(),
                     QStringList({"$0", "$200,000", "$400,000", "$600,000"}));
        QBar3DSeries* series = bars->seriesList().first();
        series->setSelectedBar(QPoint(0, 24));
        QTRY_COMPARE(series->itemLabel(), QStringLiteral("Year 25: $566,377.32"));
    }

    // The printed form is the form as shown, with the bars reaching up to the top of their
    // frame, not sitting low under an empty band.
    void printsTheChartFillingItsFrame() {
        graphs_.reset();
        state_ = mortgagePlan();
        graphs_ = std::make_unique<GraphsAll>(state_, services_->services);
        QVERIFY(showAndActivate(graphs_.get()));
        clickButton(graphs_.get(), "ThreeDee");
        waitForBars();
        services_->messenger.answers.enqueue(MessageAnswer::Yes);
        services_->messenger.answers.enqueue(MessageAnswer::Yes);
        clickButton(graphs_.get(), "Ptr");
        QCOMPARE(services_->printer.printed.size(), 1);
        const QImage picture =
            std::get<PrintedImage>(services_->printer.printed.first().content).image;
        QCOMPARE(picture.size(), graphs_->size());

        const QWidget* frame = child<QWidget>(graphs_.get(), "Graph3D");
        const QRect area(frame->mapTo(graphs_.get(), QPoint(0, 0)), frame->size());
        int firstBarRow = area.bottom();
        for (int y = area.top(); y <= area.bottom() && firstBarRow == area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (isBarPixel(picture.pixelColor(x, y))) {
                    firstBarRow = y;
                    break;
                }
        QVERIFY2(firstBarRow - area.top() < area.height() / 3,
                 qPrintable(QString::number(firstBarRow - area.top())));
    }

private:
    // Software OpenGL on a loaded machine may take a while for its first frames.
    void waitForBars() {
        const int enough = graphs_->width() * graphs_->height() / 50;
        QTRY_VERIFY2_WITH_TIMEOUT(barPixels(graphs_->formImage()) > enough, "no bars drawn", 10000);
    }

    AppState state_;
    std::unique_ptr<TestServices> services_;
    std::unique_ptr<GraphsAll> graphs_;
};

QTEST_MAIN(ThreeDeeChartTest)
#include "ThreeDeeChartTest.moc"
