#include "../common/TinyFileSystem.h"
#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/settings/PersonalSettings.h"
#include "core/state/AppState.h"
#include "ui/common/MnemonicFocus.h"
#include "ui/shell/Application.h"
#include "ui/shell/ChangeFnt.h"
#include "ui/shell/MenuMain.h"
#include "ui/shell/SessionBus.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MnemonicFocus::install(); }

    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        state_ = AppState();
        state_.programFolder = folder_->path();
        services_.messenger.shown.clear();
    }

    void startUpWithoutSettingsUsesTheDefaults() {
        Application application;
        const QDate today(2026, 12, 8);
        application.start(folder_->path(), today);

        const AppState& state = application.state();
        QCOMPARE(state.settings.CurrencySymbol, QStringLiteral("$"));
        QCOMPARE(state.settings.PrinterFontChoice, PrinterFont::Standard);
        QCOMPARE(state.LinesPerPage, 53);
        QCOMPARE(state.FirstPayDate, today);
        QCOMPARE(QDir::current(), QDir(folder_->path()));
        QVERIFY(application.menu().isVisible());
        QVERIFY(!child<QLabel>(&application.menu(), "MyName")->isVisible());
        QWidget* backdrop = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "bakgnd")
                backdrop = window;
        QVERIFY(backdrop && backdrop->isVisible());
        QCOMPARE(backdrop->windowTitle(), QStringLiteral("Pennywell Win9"));
        QCOMPARE(backdrop->geometry(), application.menu().geometry());

        // The print spooler's library and the twenty it brings wait for the first printout, and
        // the icon is read without loading every image plugin to find one that reads PNG.
        QFile mapped(QStringLiteral("/proc/self/maps"));
        QVERIFY(mapped.open(QIODevice::ReadOnly));
        const QByteArray libraries = mapped.readAll();
        QVERIFY(!libraries.contains("libcups"));
        QVERIFY(!libraries.contains("/imageformats/"));
        QCOMPARE(QApplication::windowIcon().availableSizes().size(), 7); // every picture read
    }

    // Outside a desktop session the start tells the D-Bus library there is no bus, so it
    // launches none, and gives the environment back for the programs started later.
    void withoutASessionBusNoneIsLaunchedForTheStart() {
        const QTemporaryDir runtime; // no bus in it
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        {
            NoSessionBusLaunch start;
            QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray("disabled:"));
            start.restore();
            QVERIFY(!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/1000/bus");
        {
            const NoSessionBusLaunch start;
            QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"),
                     QByteArray("unix:path=/run/user/1000/bus"));
        }
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    }

    void startUpShowsTheSavedName() {
        writeSettings("\"EU\",3,\"Sam\"\r\n");
        Application application;
        application.start(folder_->path(), QDate(2026, 1, 31));
        QCOMPARE(application.state().settings.CurrencySymbol, QStringLiteral("EU"));
        QCOMPARE(application.state().settings.PrinterFontChoice, PrinterFont::CourierNew12);
        auto* myName = child<QLabel>(&application.menu(), "MyName");
        QVERIFY(myName->isVisible());
        QCOMPARE(myName->text(), QStringLiteral("Sam"));
    }

    void startUpWithAnEmptyNameKeepsTheNameHidden() {
        writeSettings("\"\",1,\"\"\r\n");
        Application application;
        application.start(folder_->path(), QDate(2026, 1, 31));
        QCOMPARE(application.state().settings.CurrencySymbol, QStringLiteral("$"));
        QVERIFY(!child<QLabel>(&application.menu(), "MyName")->isVisible());
    }

    void menuHasItsButtonsAndCaptions() {
        MenuMain menu(state_, services_.services);
        QCOMPARE(menu.windowTitle(), QStringLiteral("Pennywell Win9"));
        QCOMPARE(menu.size(), QSize(632, 424));
        QCOMPARE(child<QLabel>(&menu, "Label2")->text(), QStringLiteral("Pennywell Win9"));

        const QList<std::pair<const char*, const char*>> buttons = {
            {"ToBudget", "Planning your &Budget"}, {"Savings", "Planning your &Savings"},
            {"LoanPmt", "Planning your &Loans"},   {"Canadian", "Planning your &Mortgage"},
            {"HowTo", "&How to Use the Program"},  {"About", "&About..."},
            {"PTrFnt", "Personali&ze Settings"},   {"ExitButten", "E&xit from Program"}};
        int top = -1;
        for (const auto& [name, caption] : buttons) {
            auto* button = child<QPushButton>(&menu, name);
            QVERIFY2(button, name);
            QCOMPARE(button->text(), QString::fromLatin1(caption));
            QCOMPARE(button->size(), QSize(180, 30));
            QVERIFY(button->y() > top);
            top = button->y();
        }
        // A planner's button waits for its planner.
        QVERIFY(!child<QPushButton>(&menu, "ToBudget")->isEnabled());
        QVERIFY(child<QPushButton>(&menu, "About")->isEnabled());
    }

    void plannerButtonsOpenTheirPlannerAndTheMenuReturns() {
        MenuMain menu(state_, services_.services);
        QPointer<QWidget> opened;
        int kindWhenCreated = 0;
        const auto factory = [&] {
            kindWhenCreated = state_.PlanKind;
            opened = new QWidget;
            return opened.data();
        };
        menu.setPlannerFactory(Planner::Loans, factory);
        menu.setPlannerFactory(Planner::Mortgage, factory);
        QVERIFY(showAndActivate(&menu));

        clickButton(&menu, "LoanPmt");
        QCOMPARE(kindWhenCreated, int(LoanPlan));
        QVERIFY(!menu.isVisible());
        QVERIFY(opened && opened->isVisible());
        QCOMPARE(opened->geometry(), menu.geometry());

        opened->close();
        QTRY_VERIFY(!opened);
        QTRY_VERIFY(menu.isVisible());

        clickButton(&menu, "Canadian");
        QCOMPARE(kindWhenCreated, int(MortgagePlan));
        opened->close();
        QTRY_VERIFY(menu.isVisible());
    }

    void everyPlannerOfTheProgramOpensFromTheMenu() {
        Application application;
        application.start(folder_->path(), QDate(2026, 12, 8));
        MenuMain& menu = application.menu();
        const QList<std::pair<const char*, const char*>> planners = {{"ToBudget", "Budget"},
                                                                     {"Savings", "SavingsCalc"},
                                                                     {"LoanPmt", "MortgageCalc"},
                                                                     {"Canadian", "MortgageCalc"}};
        for (const auto& [button, window] : planners) {
            clickButton(&menu, button);
            QVERIFY2(!menu.isVisible(), button);
            QPointer<QWidget> planner;
            for (QWidget* candidate : QApplication::topLevelWidgets())
                if (candidate->objectName() == window && candidate->isVisible())
                    planner = candidate;
            QVERIFY2(planner, window);
            planner->close();
            QTRY_VERIFY2(!planner, window);
            QVERIFY2(menu.isVisible(), button);
        }
        QCOMPARE(application.state().PlanKind, int(MortgagePlan));
    }

    void aBudgetFileNamedAtStartOpensInTheBudgetPlanner() {
        QTemporaryDir startFolder; // the name is relative to it, not to the program folder
        QFile file(QDir(startFolder.path()).filePath(QStringLiteral("home.bgt")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("1\r\n1,\"Pay\",12,12,12\r\n0\r\n"));
        file.close();
        QDir::setCurrent(startFolder.path());
        QTimer watchdog; // a refused file's message box would wait for an answer
        connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        watchdog.start(5000);

        Application application;
        application.start(folder_->path(), QDate(2026, 12, 8), QStringLiteral("home.bgt"));
        QPointer<QWidget> budget;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "Budget" && window->isVisible())
                budget = window;
        const auto closeBudget = qScopeGuard([&] { delete budget; }); // it uses the application
        QVERIFY(budget && !application.menu().isVisible());
        const auto* incomes = budget->findChild<QTableView*>(QStringLiteral("BGrid1"));
        QCOMPARE(incomes->model()->index(0, 1).data().toString(), QStringLiteral("Pay"));
    }

    void aboutBoxShowsItsTitleAndPlainText() {
        MenuMain menu(state_, services_.services);
        clickButton(&menu, "About");
        QCOMPARE(services_.messenger.shown.size(), 1);
        const Message& about = services_.messenger.shown.first();
        QCOMPARE(about.title, QStringLiteral(" Pennywell Win9"));
        QCOMPARE(about.buttons, MessageButtons::Ok);
        QCOMPARE(about.icon, MessageIcon::Information);
        QVERIFY(about.text.startsWith(QStringLiteral("Pennywell Win9\r\nVersion ")));
    }

    void exitEndsTheProgramAtOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("click") << QStringLiteral("click");
        QTest::newRow("Alt+X") << QStringLiteral("alt");
        QTest::newRow("title bar") << QStringLiteral("close");
    }

    void exitEndsTheProgramAtOnce() {
        QFETCH(QString, how);
        Application application;
        application.start(folder_->path(), QDate(2026, 12, 8));
        MenuMain& menu = application.menu();
        QVERIFY(showAndActivate(&menu));

        constexpr int StillRunning = 99;
        QTimer watchdog; // a refused quit must fail the test, not hang it
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(StillRunning); });
        QTimer::singleShot(0, &menu, [&] {
            if (how == QLatin1String("click"))
                QTest::mouseClick(child<QPushButton>(&menu, "ExitButten"), Qt::LeftButton);
            else if (how == QLatin1String("alt"))
                QTest::keyClick(&menu, Qt::Key_X, Qt::AltModifier);
            else
                menu.close();
        });
        watchdog.start(1000);
        QCOMPARE(QApplication::exec(), 0);
    }

    void settingsWindowShowsTheCurrentSettings() {
        state_.settings = {QStringLiteral("EU"), PrinterFont::CourierNew11, QStringLiteral("Sam")};
        ChangeFnt window(state_);
        QCOMPARE(window.windowTitle(), QStringLiteral("Personalize"));
        const auto options = window.findChildren<QRadioButton*>("PtrFt");
        QCOMPARE(options.size(), 4);
        QCOMPARE(options[0]->text(), QStringLiteral("Standard Printer Font"));
        QCOMPARE(options[3]->text(), QStringLiteral("Courier New 12 point font"));
        QVERIFY(options[2]->isChecked());
        QCOMPARE(child<QLineEdit>(&window, "InCurrency")->text(), QStringLiteral("EU"));
        QCOMPARE(child<QLineEdit>(&window, "InMyName")->text(), QStringLiteral("Sam"));
        QCOMPARE(child<QLabel>(&window, "Label2")->text(),
                 QStringLiteral("  Change Currency Symbol."));
        QCOMPARE(child<QPushButton>(&window, "ExitFonts")->text(), QStringLiteral("E&xit to Menu"));
    }

    void currencyBoxTakesTwoCharactersAndRefusesQuotes() {
        ChangeFnt window(state_);
        QVERIFY(showAndActivate(&window));
        auto* currency = typeInto(&window, "InCurrency", QStringLiteral("E\"UR"));
        QCOMPARE(currency->text(), QStringLiteral("EU"));

        auto* name = child<QLineEdit>(&window, "InMyName");
        name->setFocus(Qt::TabFocusReason);
        name->end(false);
        QTest::keyClicks(name, QStringLiteral("Jo \"Q\""));
        QCOMPARE(name->text(), QStringLiteral("Jo Q"));

        QTest::mouseClick(child<QPushButton>(&window, "ExitFonts"), Qt::LeftButton);
        QCOMPARE(state_.settings.CurrencySymbol, QStringLiteral("EU"));
        QCOMPARE(state_.settings.UserName, QStringLiteral("Jo Q"));
    }

    void currencyIsShownAlignedAndStoredTrimmed() {
        ChangeFnt window(state_);
        QVERIFY(showAndActivate(&window));
        auto* currency = child<QLineEdit>(&window, "InCurrency");
        currency->setFocus(Qt::TabFocusReason);
        QTest::keyClick(currency, Qt::Key_Dollar);
        child<QLineEdit>(&window, "InMyName")->setFocus(Qt::TabFocusReason);
        QCOMPARE(currency->text(), QStringLiteral(" $"));

        clickButton(&window, "ExitFonts");
        QCOMPARE(state_.settings.CurrencySymbol, QStringLiteral("$"));
        QCOMPARE(readSettings(), QByteArray("\"$\",0,\"\"\r\n"));
    }

    void enterMovesFromCurrencyToNameToExit() {
        ChangeFnt window(state_);
        QVERIFY(showAndActivate(&window));
        auto* option = window.findChildren<QRadioButton*>("PtrFt")[0];
        option->setFocus(Qt::TabFocusReason);
        QTest::keyClick(option, Qt::Key_Return);
        QVERIFY(window.isVisible()); // no default button
        auto* currency = child<QLineEdit>(&window, "InCurrency");
        currency->setFocus(Qt::TabFocusReason);
        QTest::keyClick(currency, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&window, "InMyName"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&window, "ExitFonts"));
        QVERIFY(window.isVisible()); // Enter only moves on
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!window.isVisible()); // and then presses the button it moved to
        QCOMPARE(readSettings(), QByteArray("\"$\",0,\"\"\r\n"));
    }

    void exitRewritesTheFileAndTheMenuShowsTheNewName() {
        writeSettings("\"$\",0,\"Old\"\r\n");
        Application application;
        application.start(folder_->path(), QDate(2026, 12, 8));
        MenuMain& menu = application.menu();

        bool menuHiddenMeanwhile = false;
        QTimer::singleShot(0, this, [&] {
            auto* window = qobject_cast<ChangeFnt*>(QApplication::activeModalWidget());
            if (!window)
                return;
            menuHiddenMeanwhile = !menu.isVisible();
            if (QTest::qWaitForWindowActive(window)) {
                auto* name = child<QLineEdit>(window, "InMyName");
                name->setFocus(Qt::TabFocusReason);
                name->selectAll();
                QTest::keyClicks(name, QStringLiteral("Ann Lee"));
                window->findChildren<QRadioButton*>("PtrFt")[1]->click();
                // Alt+X leaves the name box first, so the typed name is the one saved.
                QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
            }
            QTimer::singleShot(2000, window, &QDialog::reject); // never leave the test blocked
        });
        clickButton(&menu, "PTrFnt");

        QVERIFY(menuHiddenMeanwhile);
        QVERIFY(menu.isVisible());
        QCOMPARE(readSettings(), QByteArray("\"$\",1,\"Ann Lee\"\r\n"));
        auto* myName = child<QLabel>(&menu, "MyName");
        QVERIFY(myName->isVisible());
        QCOMPARE(myName->text(), QStringLiteral("Ann Lee"));
    }

    void pastedQuotesAreRefusedSoTheSettingsReadBackWhole() {
        ChangeFnt window(state_);
        QVERIFY(showAndActivate(&window));
        auto* name = child<QLineEdit>(&window, "InMyName");
        name->setFocus(Qt::TabFocusReason);
        name->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("Sam \"Bo\" Lee"));
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("Sam Bo Lee"));
        auto* currency = child<QLineEdit>(&window, "InCurrency");
        currency->setFocus(Qt::TabFocusReason);
        QApplication::clipboard()->setText(QStringLiteral("\"\u20ac"));
        QTest::keyClick(currency, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(currency->text(), QStringLiteral("\u20ac"));
        clickButton(&window, "ExitFonts");

        const SettingsLoadResult read = loadSettings(settingsPath());
        QVERIFY(read.complete);
        QCOMPARE(read.settings.UserName, QStringLiteral("Sam Bo Lee"));
        QCOMPARE(read.settings.CurrencySymbol, QStringLiteral("\u20ac"));
    }

    void optionClickTakesEffectAtOnce() {
        ChangeFnt window(state_);
        QVERIFY(showAndActivate(&window));
        window.findChildren<QRadioButton*>("PtrFt")[3]->click();
        QCOMPARE(state_.settings.PrinterFontChoice, PrinterFont::CourierNew12);
        QVERIFY(readSettings().isEmpty()); // written only when the window is left
        window.close();
        QCOMPARE(readSettings(), QByteArray("\"$\",3,\"\"\r\n"));
    }

    // Every choice has taken effect, so Escape leaves as Exit does, the box being edited too.
    void escapeLeavesTheSettingsAsExitDoes() {
        ChangeFnt window(state_);
        QVERIFY(showAndActivate(&window));
        auto* currency = typeInto(&window, "InCurrency", QStringLiteral("EU"));
        QTest::keyClick(currency, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(readSettings(), QByteArray("\"EU\",0,\"\"\r\n"));
    }

    void clickInTheCurrencyBoxEmptiesIt() {
        ChangeFnt window(state_);
        QVERIFY(showAndActivate(&window));
        auto* currency = child<QLineEdit>(&window, "InCurrency");
        QTest::mouseClick(currency, Qt::LeftButton);
        QCOMPARE(currency->text(), QString());
        QCOMPARE(state_.EditStarted, 1);
        child<QLineEdit>(&window, "InMyName")->setFocus(Qt::TabFocusReason);
        QCOMPARE(currency->text(), QStringLiteral("  "));
        QCOMPARE(state_.EditStarted, 0);
    }

    void anUnwritableSettingsFileStillClosesAndKeepsTheValues() {
        state_.programFolder = folder_->filePath(QStringLiteral("no/such/folder"));
        ChangeFnt window(state_);
        QVERIFY(showAndActivate(&window));
        typeInto(&window, "InCurrency", QStringLiteral("EU"));
        QTest::mouseClick(child<QPushButton>(&window, "ExitFonts"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(state_.settings.CurrencySymbol, QStringLiteral("EU"));
        QVERIFY(services_.messenger.shown.isEmpty());
    }

    void aFullDiskKeepsTheSettingsFileAndSaysNothing() {
        TinyFileSystem disk(64 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QByteArray old = "\"$\",2,\"Sam\"\r\n";
        QFile file(disk.filePath(SettingsFileName));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        disk.fill(0);
        state_.programFolder = disk.filePath(QString());

        ChangeFnt window(state_);
        QVERIFY(showAndActivate(&window));
        typeInto(&window, "InCurrency", QStringLiteral("EU"));
        QTest::mouseClick(child<QPushButton>(&window, "ExitFonts"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(state_.settings.CurrencySymbol, QStringLiteral("EU"));
        QVERIFY(services_.messenger.shown.isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }

private:
    QString settingsPath() const { return QDir(folder_->path()).filePath(SettingsFileName); }
    void writeSettings(const QByteArray& line) {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(line);
    }
    QByteArray readSettings() const {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> folder_;
    AppState state_;
    testing::TestServices services_;
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
