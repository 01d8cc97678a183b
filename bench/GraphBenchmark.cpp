#include "common/Beeper.h"
#include "common/FileDialogs.h"
#include "common/HelpViewer.h"
#include "common/Messenger.h"
#include "common/Printer.h"
#include "common/Services.h"
#include "graph/GraphsAll.h"
#include "mortgage/MortgageEngine.h"
#include "mortgage/PaymentFrequency.h"
#include "state/AppState.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace pennywell;
using namespace pennywell::ui;

namespace {

class SilentServices final : public Messenger,
                             public Beeper,
                             public FileDialogs,
                             public Printer,
                             public HelpViewer {
public:
    MessageAnswer show(QWidget*, const Message&) override { return MessageAnswer::Ok; }
    void beep() override {}
    void showPage(const QString&) override {}
    std::optional<QString> choose(QWidget*, const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<QString> print(const PrintDocument&) override { return std::nullopt; }
};

// The largest graph a planner hands over: 40 years of weekly payments in the "All" view,
// 2,086 payment rows scanned into 41 bars.
AppState largestMortgage() {
    AppState state;
    mortgage::MortgageInputs inputs = mortgage::defaultInputs(mortgage::Mode::Mortgage);
    inputs.term = *Currency::fromDouble(40);
    inputs.compoundingRow = mortgage::compoundingRows()[3];
    inputs.frequencyRow = mortgage::frequencyRows()[3];
    inputs.view = mortgage::View::All;
    inputs.FirstPayDate = QDate(2027, 1, 31);
    state.mortgage.inputs = inputs;
    state.mortgage.result = mortgage::calculateMortgage(inputs);
    state.graph = {state.mortgage.result.ResultCount, state.mortgage.result.GraphTitle, 4};
    return state;
}

// "Show Graph": the series is prepared, the form built and shown with its 2D chart painted.
void openTheGraphScreen(benchmark::State& state) {
    AppState appState = largestMortgage();
    SilentServices silent;
    Services services{silent, silent, silent, silent, silent};
    for (auto _ : state) {
        GraphsAll graphs(appState, services);
        graphs.show();
        QCoreApplication::processEvents();
        state.counters["bars"] = double(graphs.series().points.size());
    }
}

// "Show Graph in 2D" on the open form: the chart is rebuilt and painted.
void redrawInTwoDee(benchmark::State& state) {
    AppState appState = largestMortgage();
    SilentServices silent;
    Services services{silent, silent, silent, silent, silent};
    GraphsAll graphs(appState, services);
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
