#include "WindowBenchSupport.h"
#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetPresenter.h"
#include "core/budget/BudgetRecovery.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace pennywell;

namespace {

// The largest budget: 500 income and 500 expense records in no particular order.
BudgetTables fullBudget() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> amount(1, 500000);
    BudgetTables tables;
    for (BudgetTable* table : {&tables.income, &tables.expense}) {
        for (int i = 0; i < BudgetTable::MaximumRecords; ++i) {
            const double payments = (i % 4 == 0) ? 52 : 12;
            table->records.push_back({i + 1, QStringLiteral("Record %1").arg(amount(random)),
                                      amount(random) / 100.0 * payments, payments,
                                      amount(random) / 100.0 * payments});
        }
    }
    return tables;
}

// The largest budget with one description of 8 MB on each side, as a file from elsewhere may
// hold; first in the order of names, so it is on screen.
BudgetTables hugeDescriptionBudget() {
    BudgetTables tables = fullBudget();
    const QString huge = QStringLiteral("Allowances and repairs. ").repeated(350000);
    tables.income.records.front().description = huge;
    tables.expense.records.front().description = huge;
    return tables;
}

QString fullBudgetFile(const QTemporaryDir& folder, const BudgetTables& tables = fullBudget()) {
    const QString path = folder.filePath(QStringLiteral("full.bgt"));
    saveBudgetFile(path, tables);
    return path;
}

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_budget";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// A shown budget window whose file dialog always picks the full budget file.
struct FullBudgetWindow {
    explicit FullBudgetWindow(const BudgetTables& tables = fullBudget()) {
        silent.answer = ui::MessageAnswer::No; // the records on screen are never kept
        silent.chosenFile = fullBudgetFile(folder, tables);
        appState.programFolder = folder.path();
        window.show();
    }

    QApplication& app = application(); // first: the window needs it
    QTemporaryDir folder;
    bench::SilentServices silent;
    AppState appState;
    ui::Budget window{appState, silent.services};
};

} // namespace

// The refresh itself: both tables sorted from scratch and every text of both halves built.
static void refreshFullBudget(benchmark::State& state) {
    const BudgetTables unsorted = fullBudget();
    const BudgetPeriod monthly = *periodFromKey(QStringLiteral("monthly"));
    for (auto _ : state) {
        state.PauseTiming();
        BudgetTables tables = unsorted;
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            refreshBudget(tables, monthly, BudgetSortOrder::NamesAscending, QStringLiteral("$")));
    }
}
BENCHMARK(refreshFullBudget)->Unit(benchmark::kMillisecond);

static void loadThousandRecordFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = fullBudgetFile(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(loadBudgetFile(path));
}
BENCHMARK(loadThousandRecordFile)->Unit(benchmark::kMillisecond);

static void loadFileOfHugeDescriptions(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = fullBudgetFile(folder, hugeDescriptionBudget());
    for (auto _ : state)
        benchmark::DoNotOptimize(loadBudgetFile(path));
}
BENCHMARK(loadFileOfHugeDescriptions)->Unit(benchmark::kMillisecond);

// "Save File" of 1,000 records: written beside the old file, flushed to the disk, renamed.
static void saveThousandRecordFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = fullBudgetFile(folder);
    const BudgetTables tables = fullBudget();
    for (auto _ : state)
        benchmark::DoNotOptimize(saveBudgetFile(path, tables));
}
BENCHMARK(saveThousandRecordFile)->Unit(benchmark::kMillisecond);

// A recovery copy of the largest budget as the planner's timer writes it: the work taken from
// the planner and made into bytes on the window's thread (timed), written atomically and
// flushed to the disk on the copies' own thread (timed in the second benchmark).
static void recoveryWriteOfThousandRecords(benchmark::State& state, bool withTheDisk) {
    const QTemporaryDir folder;
    const BudgetTables tables = fullBudget();
    double amount = 0;
    BudgetRecovery recovery(
        folder.path(),
        [&] {
            BudgetWork work;
            work.tables = tables;
            work.changed = true;
            work.tables.income.records.front().annualAmount = ++amount; // a change every time
            return work;
        },
        nullptr);
    for (auto _ : state) {
        recovery.writeNow();
        if (!withTheDisk)
            state.PauseTiming();
        recovery.keepForNextStart(); // only waits: nothing changed since
        if (!withTheDisk)
            state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(recoveryWriteOfThousandRecords, onTheWindowsThread, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recoveryWriteOfThousandRecords, withTheDisk, true)->Unit(benchmark::kMillisecond);

// The same in a folder of 10,000 other files, which every save looks through for leftovers.
static void saveThousandRecordFileInACrowdedFolder(benchmark::State& state) {
    QTemporaryDir folder;
    for (int i = 0; i < 10000; ++i)
        QFile(folder.filePath(QStringLiteral("other%1.txt").arg(i))).open(QIODevice::WriteOnly);
    const QString path = fullBudgetFile(folder);
    const BudgetTables tables = fullBudget();
    for (auto _ : state)
        benchmark::DoNotOptimize(saveBudgetFile(path, tables));
}
BENCHMARK(saveThousandRecordFileInACrowdedFolder)->Unit(benchmark::kMillisecond);

// What the user waits for in the window: choosing another order or period re-sorts both
// tables, redraws both grids and all totals (and paints the window).
static void windowChoosesAnotherOrder(benchmark::State& state) {
    FullBudgetWindow full;
    ui::Budget& window = full.window;
    window.findChild<QPushButton*>(QStringLiteral("FilOpen"))->click();
    auto* sortBy = window.findChild<QComboBox*>(QStringLiteral("SortBy"));
    int order = 0;
    for (auto _ : state) {
        order = (order + 1) % sortBy->count();
        sortBy->setCurrentIndex(order);
        emit sortBy->activated(order);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(windowChoosesAnotherOrder)->Unit(benchmark::kMillisecond);

// "Open File" on a 1,000-record file: read, replace, sort, redraw.
static void windowOpensThousandRecordFile(benchmark::State& state) {
    FullBudgetWindow full;
    ui::Budget& window = full.window;
    auto* open = window.findChild<QPushButton*>(QStringLiteral("FilOpen"));
    for (auto _ : state) {
        open->click();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(windowOpensThousandRecordFile)->Unit(benchmark::kMillisecond);

// The same with a description of 8 MB on each side.
static void windowOpensFileOfHugeDescriptions(benchmark::State& state) {
    FullBudgetWindow full(hugeDescriptionBudget());
    ui::Budget& window = full.window;
    auto* open = window.findChild<QPushButton*>(QStringLiteral("FilOpen"));
    for (auto _ : state) {
        open->click();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(windowOpensFileOfHugeDescriptions)->Unit(benchmark::kMillisecond);

// Every later repaint of those records.
static void windowRepaintsHugeDescriptions(benchmark::State& state) {
    FullBudgetWindow full(hugeDescriptionBudget());
    ui::Budget& window = full.window;
    window.findChild<QPushButton*>(QStringLiteral("FilOpen"))->click();
    for (auto _ : state)
        benchmark::DoNotOptimize(window.grab());
}
BENCHMARK(windowRepaintsHugeDescriptions)->Unit(benchmark::kMillisecond);
