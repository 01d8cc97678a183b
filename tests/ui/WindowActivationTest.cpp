#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"
#include "ui/common/ActivateOnShow.h"
#include "ui/shell/Application.h"
#include "ui/shell/MenuMain.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

// Runs on a platform that activates a window only when it is first created, as some desktops
// do: a window shown again (the menu after a planner or the settings window) gets the keyboard
// only if it asks for it.
class WindowActivationTest : public QObject {
    Q_OBJECT

private slots:
    void theMenuTakesTheKeyboardWhenItComesBack() {
        QTemporaryDir folder;
        Application application;
        application.start(folder.path(), QDate(2026, 12, 8));
        MenuMain& menu = application.menu();
        QTRY_VERIFY(menu.isActiveWindow());

        clickButton(&menu, "Savings");
        QWidget* planner = nullptr;
        QTRY_VERIFY((planner = QApplication::activeWindow()) && planner != &menu);
        planner->close();
        QTRY_VERIFY(menu.isVisible());
        QTRY_VERIFY(menu.isActiveWindow());

        QTimer::singleShot(0, this, [] {
            if (auto* settings = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                settings->accept();
        });
        clickButton(&menu, "PTrFnt");
        QTRY_VERIFY(menu.isActiveWindow());
    }

    // Saving hides the budget behind its file dialog or message; shown again, it takes the
    // keyboard back.
    void theBudgetTakesTheKeyboardBackAfterSaving() {
        ActivateOnShow::install();
        AppState state;
        TestServices services;
        Budget budget(state, services.services);
        QVERIFY(showAndActivate(&budget));
        bool hiddenMeanwhile = false;
        services.messenger.whileShown = [&] {
            hiddenMeanwhile = !budget.isVisible();
            QDialog message; // a modal window of its own, as the message is
            QTimer::singleShot(0, &message, &QDialog::accept);
            message.exec();
        };
        clickButton(&budget, "FilSave"); // nothing to save: told so while the window is away
        QVERIFY(hiddenMeanwhile);
        QTRY_VERIFY(budget.isActiveWindow());
    }
};

QTEST_MAIN(WindowActivationTest)
#include "WindowActivationTest.moc"
