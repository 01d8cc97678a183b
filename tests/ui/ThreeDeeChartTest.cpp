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
        QTest::qWait(200); // the first frame

        // The picture that goes to the printer holds the rendered 3D bars.
        const QImage image = graphs.formImage();
        QCOMPARE(image.size(), graphs.size());
        // Bars in the series colour cover a good part of the picture: it is not a blank frame.
        int barPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.blue() > pixel.red() + 40 && pixel.blue() > 90)
                    ++barPixels;
            }
        QVERIFY2(barPixels > image.width() * image.height() / 50,
                 qPrintable(QString::number(barPixels)));
    }
};

QTEST_MAIN(ThreeDeeChartTest)
#include "ThreeDeeChartTest.moc"
