#include "WindowBenchSupport.h"
#include "core/state/AppState.h"
#include "ui/mortgage/MortgageCalc.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <benchmark/benchmark.h>

using namespace pennywell;
using namespace pennywell::ui;

namespace {

// A press of "Calculate" on the window set to 40 years of weekly payments, all of them
// listed with their dates: the calculation, the boxes and the 2,100-row grid.
void pressCalculateOnTheLargestSchedule(benchmark::State& state) {
    AppState appState;
    appState.FirstPayDate = QDate(2027, 1, 31);
    bench::SilentServices silent;
    MortgageCalc window(appState, silent.services);
    window.show();

    window.activateWindow();
    while (!window.isActiveWindow())
        QCoreApplication::processEvents();

    // Pick 40 years from the term list and leave the box, as a person would.
    auto* term = window.findChild<QComboBox*>("InTerm");
    term->setFocus(Qt::MouseFocusReason);
    term->setCurrentIndex(2);
    emit term->activated(2);
    window.findChild<QComboBox*>("Comperiod")->setCurrentIndex(3);
    window.findChild<QComboBox*>("FreqPmt")->setCurrentIndex(3);
    window.findChild<QRadioButton*>("Option1")->setFocus(Qt::MouseFocusReason);
    window.findChild<QRadioButton*>("Option1")->click();
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    window.findChild<QPushButton*>("MDateNumber")->click();

    auto* calculate = window.findChild<QPushButton*>("MCalc");
    calculate->click();
    for (auto _ : state) {
        calculate->click();
        QCoreApplication::processEvents(); // the view lays out and paints what it shows
    }
    state.counters["years"] =
        window.findChild<QLineEdit*>("EndMortYear")->text().trimmed().toDouble();
}

} // namespace

BENCHMARK(pressCalculateOnTheLargestSchedule)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
