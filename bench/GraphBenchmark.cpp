#include "WindowBenchSupport.h"
#include "ui/graph/GraphsAll.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace pennywell;
using namespace pennywell::ui;

namespace {

// "Show Graph": the series is prepared, the form built and shown with its 2D chart painted.
void openTheGraphScreen(benchmark::State& state) {
    AppState appState = bench::largestMortgageGraph();
    bench::SilentServices silent;
    for (auto _ : state) {
        GraphsAll graphs(appState, silent.services);
        graphs.show();
        QCoreApplication::processEvents();
        state.counters["bars"] = double(graphs.series().points.size());
    }
}

// "Show Graph in 2D" on the open form: the 2D chart is shown again and painted.
void redrawInTwoDee(benchmark::State& state) {
    AppState appState = bench::largestMortgageGraph();
    bench::SilentServices silent;
    GraphsAll graphs(appState, silent.services);
    graphs.show();
    QCoreApplication::processEvents();
    auto* twoDee = graphs.findChild<QPushButton*>("Sav2D");
    for (auto _ : state) {
        twoDee->setEnabled(true); // as after a switch to 3D
        twoDee->click();
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK(openTheGraphScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(redrawInTwoDee)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
