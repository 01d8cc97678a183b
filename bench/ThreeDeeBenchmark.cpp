#include "WindowBenchSupport.h"
#include "graph/GraphsAll.h"
#include "graph/ThreeDeeChart.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace pennywell;
using namespace pennywell::ui;

// "Show Graph in 3D" on the largest graph. It needs a display with OpenGL: run it under
// xvfb-run with QT_QPA_PLATFORM=xcb, as the 3D test runs.
namespace {

void press(GraphsAll& graphs, const char* name) {
    graphs.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    QCoreApplication::processEvents(); // the form lays out and the chart gets its frame
}

// The first switch on a newly opened form: OpenGL is probed, the chart is built and its
// bars loaded.
void firstSwitchToThreeDee(benchmark::State& state) {
    AppState appState = bench::largestMortgageGraph();
    bench::SilentServices silent;
    for (auto _ : state) {
        state.PauseTiming();
        auto graphs = std::make_unique<GraphsAll>(appState, silent.services);
        graphs->show();
        (void)QTest::qWaitForWindowExposed(graphs.get());
        state.ResumeTiming();
        press(*graphs, "ThreeDee");
        state.PauseTiming();
        graphs.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Every later switch: the chart built with the form is shown again, no new points loaded.
void laterSwitchToThreeDee(benchmark::State& state) {
    AppState appState = bench::largestMortgageGraph();
    bench::SilentServices silent;
    GraphsAll graphs(appState, silent.services);
    graphs.show();
    (void)QTest::qWaitForWindowExposed(&graphs);
    press(graphs, "ThreeDee");
    for (auto _ : state) {
        state.PauseTiming();
        press(graphs, "Sav2D");
        state.ResumeTiming();
        press(graphs, "ThreeDee");
    }
}

} // namespace

BENCHMARK(firstSwitchToThreeDee)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(laterSwitchToThreeDee)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (!openGLAvailable()) {
        fprintf(stderr, "no OpenGL on this display; run under xvfb-run with QT_QPA_PLATFORM=xcb\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
