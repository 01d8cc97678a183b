#include "core/budget/BudgetRecovery.h"

#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"
#include "ui/budget/InRecNum.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

// Run with this argument, the test types a budget and waits to be killed.
const char* const TypeAndWait = "--type-budget-and-wait";

// A planner as one running program has it, keeping its copies in `folder`.
struct Program {
    explicit Program(const QString& folder) {
        state.recoveryFolder = folder;
        window = std::make_unique<Budget>(state, services.services);
        if (!showAndActivate(window.get()))
            qFatal("the budget window never became active");
    }
    QString copyPath() const { return window->findChild<BudgetRecovery*>()->copyPath(); }

    AppState state;
    TestServices services;
    std::unique_ptr<Budget> window;
};

void addRecord(QWidget* window, bool income, const QString& description, const QString& amount,
               const QString& payments) {
    typeInto(window, income ? "InIncDesc" : "InExpDesc", description);
    typeInto(window, income ? "InIncAmt" : "InExpAmt", amount);
    typeInto(window, income ? "InIncFreq" : "InExpFreq", payments);
    typeInto(window, income ? "InIncBgtAmt" : "InExpBgtAmt", amount);
    clickButton(window, income ? "AddIncome1" : "AddExpense2");
}

void pickRecord(QWidget* window, const char* button, const QString& number) {
    QTimer::singleShot(0, window, [number] {
        auto* prompt = qobject_cast<InRecNum*>(QApplication::activeModalWidget());
        if (!prompt)
            return;
        QTimer::singleShot(5000, prompt, &QDialog::reject); // never leave the test blocked
        QTest::keyClicks(child<QLineEdit>(prompt, "CurVal"), number);
        child<QPushButton>(prompt, "Accept")->click();
    });
    clickButton(window, button);
}

// Records on both sides, a period, a change made with What If? and one still pending.
void typeBudget(QWidget* window) {
    addRecord(window, true, QStringLiteral("Salary"), QStringLiteral("1234.56"), "26");
    addRecord(window, true, QStringLiteral("Pension"), QStringLiteral("700.10"), "12");
    addRecord(window, false, QStringLiteral("Rent"), QStringLiteral("950"), "12");
    addRecord(window, false, QStringLiteral("Gas"), QStringLiteral("61.37"), "12");
    for (int step = 0; step < 3; ++step) // "      Annual" up to "     Monthly"
        QTest::keyClick(child<QComboBox>(window, "FreqPeriod"), Qt::Key_Up);
    pickRecord(window, "CorrectRec1", "2"); // Salary
    typeInto(window, "InIncFreq", "24");
    clickButton(window, "AddCorRec1");
    pickRecord(window, "CorrectRec2", "1"); // Gas
    typeInto(window, "InExpDesc", " and power");
    typeInto(window, "InExpAmt", "70");
    child<QLineEdit>(window, "InExpFreq")->setFocus(); // leaving the box commits it
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A copy without the time it was written.
QByteArray bodyOf(const QByteArray& copy) {
    return copy.left(copy.indexOf("written="));
}

int typeBudgetAndWait() {
    Program program(budgetRecoveryFolder());
    typeBudget(program.window.get());
    const bool written = QTest::qWaitFor([&program] {
        const auto copy = parseRecoveryCopy(fileBytes(program.copyPath()));
        return copy && copy->work.pendingChanges.size() == 1 &&
               copy->work.pendingChanges[0].description == QStringLiteral("Gas and power");
    });
    std::printf("%s\n", written ? "typed" : "never written");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class BudgetRecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void aKilledProgramsWorkComesBackExactly() {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        QProcess killed;
        killed.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        killed.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(TypeAndWait)});
        QVERIFY(killed.waitForReadyRead(60000));
        QCOMPARE(killed.readLine().trimmed(), QByteArray("typed"));
        killed.kill(); // SIGKILL: nothing of the program's own runs after it
        killed.waitForFinished();

        const QString folder = budgetRecoveryFolder();
        QVERIFY(folder.startsWith(home.path()));
        const QStringList copies = QDir(folder).entryList({QStringLiteral("unsaved-*.bgt")});
        QCOMPARE(copies.size(), 1);
        const QString copyPath = QDir(folder).filePath(copies[0]);
        QVERIFY(QFile::exists(copyPath + QStringLiteral(".lock"))); // the dead program's
        const QByteArray left = fileBytes(copyPath);

        Program next(folder);
        QTRY_COMPARE(next.services.messenger.shown.size(), 1);
        const Message question = next.services.messenger.shown[0];
        QVERIFY(question.text.startsWith(QStringLiteral("Unsaved budget changes from ")));
        QVERIFY(question.text.endsWith(
            QStringLiteral(" (not yet saved to a file) were found. Restore them?")));
        QCOMPARE(next.copyPath(), copyPath);
        QCOMPARE(child<QComboBox>(next.window.get(), "FreqPeriod")->currentText(),
                 QStringLiteral("     Monthly"));
        QVERIFY(child<QPushButton>(next.window.get(), "AddCorRec2")->isVisible());
        QCOMPARE(child<QLineEdit>(next.window.get(), "InExpDesc")->text(),
                 QStringLiteral("Gas and power"));
        // The session ends without a chance to ask: the copy is written again from what was
        // restored, and holds every figure exactly as the killed program had it.
        QVERIFY(next.window->sessionMayEnd(false));
        QVERIFY(fileBytes(copyPath) != left);
        QCOMPARE(bodyOf(fileBytes(copyPath)), bodyOf(left));

        clickButton(next.window.get(), "AddCorRec2");
        next.services.fileDialogs.answers.enqueue(home.filePath(QStringLiteral("Home.bgt")));
        clickButton(next.window.get(), "FilSave");
        QVERIFY(QFile::exists(home.filePath(QStringLiteral("Home.bgt"))));
        QCOMPARE(next.copyPath(), QString());
        QTRY_VERIFY(!QFile::exists(copyPath + QStringLiteral(".lock")));
        QVERIFY(!QFile::exists(copyPath));
        qunsetenv("XDG_DATA_HOME");
    }

    void twoProgramsKeepTheirOwnCopiesUntilTheUserLetsGo() {
        QTemporaryDir folder;
        Program first(folder.path());
        addRecord(first.window.get(), true, QStringLiteral("Salary"), QStringLiteral("100"), "12");
        QCOMPARE(first.copyPath(), QString()); // written after the typing, not during it
        QTRY_VERIFY(QFile::exists(first.copyPath()));

        Program second(folder.path());
        QCoreApplication::processEvents(); // its offer comes once the window is up
        QVERIFY(second.services.messenger.shown.isEmpty());
        addRecord(second.window.get(), false, QStringLiteral("Rent"), QStringLiteral("90"), "12");
        QTRY_VERIFY(QFile::exists(second.copyPath()));
        QVERIFY(second.copyPath() != first.copyPath());

        // "No" to the exit question gives the work up.
        const QString firstCopy = first.copyPath();
        first.services.messenger.answers.enqueue(MessageAnswer::No);
        first.window->close();
        QTRY_VERIFY(!QFile::exists(firstCopy));
        QVERIFY(QFile::exists(second.copyPath()));

        // The desktop session ends: "Yes" goes back to save, which cancels the end.
        second.services.messenger.answers.enqueue(MessageAnswer::Yes);
        QVERIFY(!second.window->sessionMayEnd(true));
        QCOMPARE(messages(second.services.messenger).last(),
                 QStringLiteral("Changed File in Memory| file in memory will be erased. Do you "
                                "want to go back and save it to Disk?."));
        QVERIFY(QFile::exists(second.copyPath()));
        second.services.messenger.answers.enqueue(MessageAnswer::No);
        QVERIFY(second.window->sessionMayEnd(true));
        QVERIFY(!second.window->isVisible());
        QTRY_COMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }

    void aDamagedCopyIsPassedBy() {
        QTemporaryDir folder;
        const QString damaged = folder.filePath(QStringLiteral("unsaved-damaged.bgt"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2\r\n1,\"Rent\",1200,12,1200\r\n[unsaved budget]\r\n");
        file.close();

        Program program(folder.path());
        QCoreApplication::processEvents();
        QVERIFY(program.services.messenger.shown.isEmpty());
        QVERIFY(QFile::exists(damaged));
        QCOMPARE(program.copyPath(), QString());
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pennywell"));
    if (argc > 1 && qstrcmp(argv[1], TypeAndWait) == 0)
        return typeBudgetAndWait();
    BudgetRecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BudgetRecoveryTest.moc"
