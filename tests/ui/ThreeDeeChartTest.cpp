#include "graph/ThreeDeeChart.h"

#include "TestServices.h"
#include "WindowTestSupport.h"
#include "graph/GraphsAll.h"
#include "savings/GrowthCalculator.h"
#include "savings/SavingsInputs.h"
#include "state/AppState.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

// Runs on a real X display (Xvfb) with Mesa's software OpenGL, as a desktop without a
// graphics card would.
class ThreeDeeChartTest : public QObject {
    Q_OBJECT

private slots:
    void drawsTheBarsOfTheSeriesInThreeDimensions() {
        QVERIFY2(openGLAvailable(), "no OpenGL on this display");
        AppState state;
        state.savings = openingSavingsState();
        const GrowthResult growth = calculateGrowth(growthInputsFrom(state.savings));
        state.savings.growthTable = growth.table;
        state.graph = {growth.resultCount, "Investment value at end of each Year", 1};
        TestServices services;
        GraphsAll graphs(state, services.services);
        QVERIFY(showAndActivate(&graphs));

        clickButton(&graphs, "ThreeDee");
        QVERIFY(services.messenger.shown.isEmpty());
        auto* view = child<QWidget>(&graphs, "Graph3D");
        QCOMPARE(child<QStackedWidget>(&graphs, "Graph1")->currentWidget(), view);
        // The picture that goes to the printer holds the rendered 3D bars: bars in the series
        // colour cover a good part of it, not a blank frame. Software OpenGL on a loaded machine
        // may take a while for its first frames.
        const auto barPixels = [&graphs] {
            const QImage image = graphs.formImage();
            if (image.size() != graphs.size())
                return -1;
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    if (pixel.blue() > pixel.red() + 40 && pixel.blue() > 90)
                        ++count;
                }
            return count;
        };
        const int enough = graphs.width() * graphs.height() / 50;
        QTRY_VERIFY2_WITH_TIMEOUT(barPixels() > enough, qPrintable(QString::number(barPixels())),
                                  10000);
    }
};

QTEST_MAIN(ThreeDeeChartTest)
#include "ThreeDeeChartTest.moc"
