// Seeded random keys, clicks, pastes and Escapes over every window, with messages and file
// dialogs answered at random: no window may crash, hang or trip a sanitizer.
#include "Monkey.h"

#include "TestServices.h"
#include "core/help/ManualPages.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"
#include "ui/budget/InRecNum.h"
#include "ui/common/MnemonicFocus.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/Services.h"
#include "ui/graph/GraphsAll.h"
#include "ui/help/HelpWindow.h"
#include "ui/mortgage/MortDateInput.h"
#include "ui/mortgage/MortIRFTable.h"
#include "ui/mortgage/MortPrePay.h"
#include "ui/mortgage/MortgageCalc.h"
#include "ui/printing/PrinterHeaderInput.h"
#include "ui/savings/SavingsCalc.h"
#include "ui/savings/YearSaveCalc.h"
#include "ui/shell/Application.h"
#include "ui/shell/ChangeFnt.h"
#include "ui/shell/MenuMain.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

constexpr int EventsPerWindow = 5000;
// Generous: one event under the sanitizers on a busy machine may take seconds.
constexpr int WatchdogPatienceSeconds = 120;

// What the windows share while the monkey plays: the program's state in a folder of its own,
// and services that answer at random.
struct MonkeyWorld {
    explicit MonkeyWorld(quint32 seed) : random(seed) { state.programFolder = folder.path(); }

    QTemporaryDir folder;
    QRandomGenerator random;
    AppState state;
    RandomMessenger messenger{random};
    CountingBeeper beeper;
    RandomFileDialogs fileDialogs{random, QDir(folder.path())};
    RandomPrinter printer{random};
    ScriptedHelpViewer helpViewer;
    Services services{messenger, beeper, fileDialogs, printer, helpViewer};
    // What the mortgage window hands its dialogs.
    mortgage::ExtraPayments extraPayments{};
    int ExtraCount = 0;
    mortgage::DaysInYearSetting days = mortgage::daysInYearSetting(mortgage::DefaultDaysChoice);
};

struct MonkeyWindow {
    const char* name;
    QWidget* (*open)(MonkeyWorld&);
};

// Every window a person can reach, each opened as its caller opens it. A new window joins
// the monkey with one line here.
const MonkeyWindow MonkeyWindows[] = {
    {"MenuMain",
     [](MonkeyWorld& w) -> QWidget* {
         auto* menu = new MenuMain(w.state, w.services);
         registerPlanners(*menu, w.state, w.services);
         return menu;
     }},
    {"ChangeFnt", [](MonkeyWorld& w) -> QWidget* { return new ChangeFnt(w.state); }},
    {"MortgageCalc",
     [](MonkeyWorld& w) -> QWidget* {
         w.state.PlanKind = MortgagePlan;
         return new MortgageCalc(w.state, w.services);
     }},
    {"MortgageCalc as the loan planner",
     [](MonkeyWorld& w) -> QWidget* {
         w.state.PlanKind = LoanPlan;
         return new MortgageCalc(w.state, w.services);
     }},
    {"MortPrePay",
     [](MonkeyWorld& w) -> QWidget* {
         return new MortPrePay(w.extraPayments, w.ExtraCount, 25, w.state, w.services);
     }},
    {"MortIRFTable", [](MonkeyWorld& w) -> QWidget* { return new MortIRFTable(w.days); }},
    {"MortDateInput",
     [](MonkeyWorld& w) -> QWidget* { return new MortDateInput(w.state, w.services); }},
    {"Budget", [](MonkeyWorld& w) -> QWidget* { return new Budget(w.state, w.services); }},
    {"InRecNum for a change",
     [](MonkeyWorld& w) -> QWidget* {
         return new InRecNum(InRecNum::Purpose::Change, w.state, w.beeper);
     }},
    {"InRecNum for a delete",
     [](MonkeyWorld& w) -> QWidget* {
         return new InRecNum(InRecNum::Purpose::Delete, w.state, w.beeper);
     }},
    {"SavingsCalc",
     [](MonkeyWorld& w) -> QWidget* {
         w.state.ScreenMode = PlannerView::SavingsGrowth;
         return new SavingsCalc(w.state, w.services);
     }},
    {"YearSaveCalc",
     [](MonkeyWorld& w) -> QWidget* { return new YearSaveCalc(w.state, w.services); }},
    {"PrinterHeaderInput",
     [](MonkeyWorld& w) -> QWidget* { return new PrinterHeaderInput(w.state); }},
    {"GraphsAll", [](MonkeyWorld& w) -> QWidget* { return new GraphsAll(w.state, w.services); }},
    {"HelpWindow",
     [](MonkeyWorld& w) -> QWidget* {
         auto* help = new HelpWindow(w.services);
         help->present(pennywell::help::ContentsPage);
         return help;
     }},
};

// MONKEY_SEED replays another run; the seed is printed with every window's run.
quint32 baseSeed() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("MONKEY_SEED").toUInt(&ok);
    return ok ? seed : 20261209u;
}

// MONKEY_SHARD=k/n plays only every n-th window from the k-th, so n runs share the windows.
struct Shard {
    int index = 0;
    int count = 1;
};

Shard shardOfThisRun() {
    const QStringList parts = qEnvironmentVariable("MONKEY_SHARD").split(u'/');
    bool indexOk = false;
    bool countOk = false;
    const Shard shard{parts.value(0).toInt(&indexOk), parts.value(1).toInt(&countOk)};
    if (!indexOk || !countOk || shard.count < 1 || shard.index < 0 || shard.index >= shard.count)
        return Shard{};
    return shard;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        MnemonicFocus::install();
        ModalLoop::install();
    }

    void everyWindowSurvivesTheMonkey_data() {
        QTest::addColumn<int>("index");
        const Shard shard = shardOfThisRun();
        for (int i = 0; i < int(std::size(MonkeyWindows)); ++i) {
            if (i % shard.count == shard.index)
                QTest::newRow(MonkeyWindows[i].name) << i;
        }
    }

    void everyWindowSurvivesTheMonkey() {
        QFETCH(int, index);
        const MonkeyWindow& window = MonkeyWindows[index];
        const quint32 seed = baseSeed() + quint32(index);
        qInfo("%s: %d events, MONKEY_SEED=%u", window.name, EventsPerWindow, baseSeed());

        auto world = std::make_unique<MonkeyWorld>(seed);
        QVERIFY(world->folder.isValid());
        QDir::setCurrent(world->folder.path());
        {
            Watchdog watchdog(WatchdogPatienceSeconds);
            Monkey monkey(window.name, world->random, watchdog,
                          [&world, &window] { return window.open(*world); });
            monkey.run(EventsPerWindow);
            QStringList visited(monkey.visited().begin(), monkey.visited().end());
            visited.sort();
            qInfo("reached %s; %d messages, %d file dialogs and %d printouts answered",
                  qPrintable(visited.join(u", ")), world->messenger.answered,
                  world->fileDialogs.answered, world->printer.answered);
        }
        // Planners the menu opened live on their own; none may outlive the state they use.
        QList<QPointer<QWidget>> windows;
        for (QWidget* topLevel : QApplication::topLevelWidgets())
            windows.append(topLevel);
        for (const QPointer<QWidget>& topLevel : windows) {
            if (topLevel && !topLevel->parentWidget())
                delete topLevel.data();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
