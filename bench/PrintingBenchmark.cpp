#include "PrivateSpooler.h"
#include "render/PdfFile.h"
#include "ui/printing/SpoolerPrinter.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace pennywell;
using namespace pennywell::ui;

namespace {

bool spoolerStarted = false;

// A schedule of 46 full pages at 63 lines per page, each line as wide as the widest report.
render::PrintDocument longSchedule() {
    report::PrintedReport schedule;
    schedule.fontChoice = PrinterFont::CourierNew10;
    for (int pageNumber = 1; pageNumber <= 46; ++pageNumber) {
        QStringList page{QString()};
        while (page.size() < 63)
            page.append(QStringLiteral(" %1 %2    1,234.56    2,345.67  $123,456.78  $234,567.89"
                                       "  $345,678.90")
                            .arg(pageNumber * 63 + page.size(), 4)
                            .arg(pageNumber, 3));
        page.append({QString(), QString(),
                     QStringLiteral("%1Page %2").arg(QString(39, u' ')).arg(pageNumber)});
        schedule.pages.append(page);
    }
    return render::PrintDocument{QStringLiteral("Mortgage Table"), schedule};
}

} // namespace

static void renderTheLongScheduleToPdf(benchmark::State& state) {
    const render::PrintDocument schedule = longSchedule();
    for (auto _ : state)
        benchmark::DoNotOptimize(render::pdfBytes(schedule));
}
BENCHMARK(renderTheLongScheduleToPdf)->Unit(benchmark::kMillisecond);

// Rendering and handing the job to a private spooler's PDF queue, as "Continue &Printout" does.
static void printTheLongScheduleOnASpooler(benchmark::State& state) {
    if (!spoolerStarted) {
        state.SkipWithError("no private spooler can be started here");
        return;
    }
    const render::PrintDocument schedule = longSchedule();
    SpoolerPrinter printer;
    for (auto _ : state)
        if (printer.print(schedule))
            state.SkipWithError("the spooler refused the job");
    testing::PrivateSpooler::waitForJobs(120000); // after the timed loop
}
BENCHMARK(printTheLongScheduleOnASpooler)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    // Started before anything reaches for a printer, so the spooler's address is the private one.
    testing::PrivateSpooler spooler(testing::PrivateSpooler::Queue::PdfPrinter);
    spoolerStarted = spooler.start() == 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
