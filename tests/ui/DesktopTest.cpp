// Every window as users see it: on their X platform, with the installed fonts, under the
// desktop condition PENNYWELL_DESKTOP_CONDITION names (default, dark, mediumfont, largefont,
// de_DE). Each window's picture is saved in PENNYWELL_SCREENSHOTS.
#include "ShownTexts.h"
#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/graph/GraphSeries.h"
#include "core/help/ManualPages.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"
#include "ui/budget/InRecNum.h"
#include "ui/common/MnemonicFocus.h"
#include "ui/common/ModalLoop.h"
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
#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QLocale>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string_view>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

QString condition() {
    const QString named = qEnvironmentVariable("PENNYWELL_DESKTOP_CONDITION");
    return named.isEmpty() ? QStringLiteral("default") : named;
}

// A dark desktop colour scheme: light text on dark grey, as the dark themes give it.
QPalette darkPalette() {
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(238, 238, 238);
    const QColor disabled(127, 127, 127);
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Link, QColor(120, 180, 255));
    palette.setColor(QPalette::PlaceholderText, disabled);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

// Everything a window is opened with, in a folder of its own.
struct World {
    World() { state.programFolder = folder.path(); }

    QTemporaryDir folder;
    AppState state;
    TestServices services;
    mortgage::ExtraPayments extraPayments{};
    int extraCount = 0;
    mortgage::DaysInYearSetting days = mortgage::daysInYearSetting(mortgage::DefaultDaysChoice);
    std::unique_ptr<QWidget> caller; // the window another one is opened from
};

void typeAndLeave(QWidget* window, const char* boxName, const QString& keys) {
    auto* box = child<QWidget>(window, boxName);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Return);
}

// The dialog a button opens is answered with its OK as soon as it shows.
void pressOkOnceShown(const char* okName) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, okName] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            clickButton(dialog, okName);
            poll->deleteLater();
        }
    });
    poll->start(10);
}

QWidget* mortgage(World& world, int planKind, std::initializer_list<const char*> clicks) {
    world.state.PlanKind = planKind;
    world.state.FirstPayDate = QDate(2027, 1, 15);
    auto* window = new MortgageCalc(world.state, world.services.services);
    window->show();
    for (const char* button : clicks) {
        if (button == std::string_view("MDateNumber"))
            pressOkOnceShown("OkExit");
        clickButton(window, button);
    }
    return window;
}

// Records of a household budget: a description longer than its column, and large figures.
QWidget* budgetWithRecords(World& world) {
    auto* budget = new Budget(world.state, world.services.services);
    if (!showAndActivate(budget))
        qFatal("the budget never became active, so nothing can be typed into it");
    for (const char* side : {"Inc", "Exp"}) {
        const QByteArray prefix = QByteArray("In") + side;
        for (const auto& [description, amount] :
             {std::pair{"Interest on savings at the credit union and at the bank", "1000000"},
              std::pair{"Rent", "950.5"}}) {
            typeAndLeave(budget, prefix + "Desc", QString::fromLatin1(description));
            typeAndLeave(budget, prefix + "Amt", QString::fromLatin1(amount));
            typeAndLeave(budget, prefix + "Freq", QStringLiteral("12"));
            typeAndLeave(budget, prefix + "BgtAmt", QStringLiteral("999999.99"));
            clickButton(budget, side == QByteArray("Inc") ? "AddIncome1" : "AddExpense2");
        }
    }
    return budget;
}

QWidget* savings(World& world, const char* button) {
    world.state.ScreenMode = PlannerView::SavingsGrowth;
    auto* window = new SavingsCalc(world.state, world.services.services);
    window->show();
    clickButton(window, button);
    return window;
}

struct Scene {
    const char* name;
    std::function<QWidget*(World&)> open;
};

// Every window, in each of its views.
const Scene Scenes[] = {
    {"menu",
     [](World& w) -> QWidget* {
         auto* menu = new MenuMain(w.state, w.services.services);
         registerPlanners(*menu, w.state, w.services.services);
         return menu;
     }},
    {"personalize", [](World& w) -> QWidget* { return new ChangeFnt(w.state); }},
    {"mortgage-annual", [](World& w) { return mortgage(w, MortgagePlan, {"MCalc"}); }},
    {"mortgage-all",
     [](World& w) {
         return mortgage(w, MortgagePlan, {"Option1", "MCalc"});
     }},
    {"mortgage-all-dates",
     [](World& w) {
         return mortgage(w, MortgagePlan, {"Option1", "MCalc", "MDateNumber"});
     }},
    {"mortgage-help", [](World& w) { return mortgage(w, MortgagePlan, {"MHelp"}); }},
    {"loan-annual", [](World& w) { return mortgage(w, LoanPlan, {"MCalc"}); }},
    {"loan-all",
     [](World& w) {
         return mortgage(w, LoanPlan, {"Option1", "MCalc"});
     }},
    {"additional-payment",
     [](World& w) -> QWidget* {
         return new MortPrePay(w.extraPayments, w.extraCount, 25, w.state, w.services.services);
     }},
    {"days-in-year", [](World& w) -> QWidget* { return new MortIRFTable(w.days); }},
    {"first-payment-date",
     [](World& w) -> QWidget* { return new MortDateInput(w.state, w.services.services); }},
    {"budget", budgetWithRecords},
    {"budget-help",
     [](World& w) {
         QWidget* budget = budgetWithRecords(w);
         clickButton(budget, "Help2");
         return budget;
     }},
    {"record-number",
     [](World& w) -> QWidget* {
         return new InRecNum(InRecNum::Purpose::Change, w.state, w.services.beeper);
     }},
    {"savings", [](World& w) { return savings(w, "SCalc"); }},
    {"savings-help", [](World& w) { return savings(w, "SHelp"); }},
    {"yearly-amount",
     [](World& w) -> QWidget* { return new YearSaveCalc(w.state, w.services.services); }},
    {"graph",
     [](World& w) -> QWidget* {
         w.caller.reset(savings(w, "SCalc"));
         w.state.graph.GraphKind = graph::SavingsGraph;
         return new GraphsAll(w.state, w.services.services);
     }},
    {"print-header", [](World& w) -> QWidget* { return new PrinterHeaderInput(w.state); }},
    {"manual",
     [](World& w) -> QWidget* {
         auto* manual = new HelpWindow(w.services.services);
         manual->present(help::ContentsPage);
         return manual;
     }},
};

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    // As the desktop gives them before the program opens a window.
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "the windows are seen as users see them, on an X display");
        MnemonicFocus::install();
        ModalLoop::install();
        if (condition() == QLatin1String("dark")) {
            QApplication::setPalette(darkPalette());
        } else if (condition().endsWith(QLatin1String("font"))) {
            QFont font = QApplication::font();
            font.setPointSize(condition() == QLatin1String("largefont") ? 16 : 12);
            QApplication::setFont(font);
        } else if (condition() == QLatin1String("de_DE")) {
            QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        }
        screenshots_ = QDir(qEnvironmentVariable("PENNYWELL_SCREENSHOTS", QStringLiteral(".")));
        QVERIFY(screenshots_.mkpath(QStringLiteral(".")));
    }

    void everyTextShowsWholeAndReadable_data() {
        QTest::addColumn<int>("scene");
        for (int index = 0; index < int(std::size(Scenes)); ++index)
            QTest::newRow(Scenes[index].name) << index;
    }

    void everyTextShowsWholeAndReadable() {
        QFETCH(int, scene);
        World world;
        const std::unique_ptr<QWidget> window(Scenes[scene].open(world));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::processEvents();
        const QImage picture = window->grab().toImage();
        QVERIFY(picture.save(screenshots_.filePath(QString::fromLatin1(Scenes[scene].name) +
                                                   QStringLiteral(".png"))));

        const QList<ShownText> texts = shownTexts(window.get());
        QStringList faults = textsCutOff(window.get(), texts);
        faults += textsHardToRead(picture, texts);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n    "))));
    }

    // On a German desktop the comma key types the decimal point: 12345,50 is not 1,234,550.
    void decimalCommaTypesThePoint() {
        if (condition() != QLatin1String("de_DE"))
            QSKIP("the comma is a decimal separator on the German desktop only");
        World world;
        MortgageCalc window(world.state, world.services.services);
        QVERIFY(showAndActivate(&window));
        typeAndLeave(&window, "InPrincipal", QStringLiteral("12345,50"));
        QCOMPARE(child<QLineEdit>(&window, "InPrincipal")->text().trimmed(),
                 QStringLiteral("$12,345.50"));
    }

private:
    QDir screenshots_;
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
