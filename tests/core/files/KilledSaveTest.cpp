#include "core/budget/BudgetFile.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pennywell;

namespace {

BudgetTables fullTables(const QString& word) {
    BudgetTables tables;
    for (int i = 1; i <= BudgetTable::MaximumRecords; ++i) {
        tables.income.records.push_back(
            {i, word + QStringLiteral(" income %1").arg(i), 100.25 * i, 12, 90.5 * i});
        tables.expense.records.push_back(
            {i, word + QStringLiteral(" expense %1").arg(i), 20.75 * i, 52, 20.0 * i});
    }
    return tables;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList leftoversIn(const QDir& dir) {
    return dir.entryList({QStringLiteral("Test.bgt.pennywell-save-*")}, QDir::Files);
}

} // namespace

// A save killed at any moment leaves the complete old or the complete new file, never a mix,
// and the temporary files such kills leave are tidied away by a later save.
TEST(KilledSave, TheFileIsAlwaysTheWholeOldOrTheWholeNewContent) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString path = dir.filePath(QStringLiteral("Test.bgt"));
    const BudgetTables oldTables = fullTables(QStringLiteral("Old"));
    const BudgetTables newTables = fullTables(QStringLiteral("New"));
    const QByteArray oldBytes = budgetFileBytes(oldTables);
    const QByteArray newBytes = budgetFileBytes(newTables);
    ASSERT_TRUE(saveBudgetFile(path, oldTables));

    // Kills spread over about one and a half saves land inside and between saves. A save's
    // time is the child's own, measured on its first save: a forked child saves far slower than
    // its parent (its pages are copied on first write), slower still under the sanitizers or
    // on a busy machine, and a scale taken from the parent left every kill inside one save.
    constexpr int Kills = 200;
    std::mt19937 random(9);
    std::uniform_real_distribution<double> shareOfASave(0.0, 1.5);
    int old = 0;
    int fresh = 0;
    int torn = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        int firstSaveDone[2];
        ASSERT_EQ(::pipe(firstSaveDone), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlives a test run that was stopped
            ::close(firstSaveDone[0]);
            QElapsedTimer timer;
            timer.start();
            saveBudgetFile(path, newTables);
            const qint64 saveMicroseconds = timer.nsecsElapsed() / 1000;
            if (::write(firstSaveDone[1], &saveMicroseconds, sizeof saveMicroseconds) !=
                sizeof saveMicroseconds)
                ::_exit(1);
            while (true) {
                saveBudgetFile(path, oldTables);
                saveBudgetFile(path, newTables);
            }
        }
        ::close(firstSaveDone[1]);
        qint64 saveMicroseconds = 0;
        ASSERT_EQ(::read(firstSaveDone[0], &saveMicroseconds, sizeof saveMicroseconds),
                  ssize_t(sizeof saveMicroseconds));
        ::close(firstSaveDone[0]);
        ::usleep(useconds_t(shareOfASave(random) * double(saveMicroseconds)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QByteArray content = contentOf(path);
        if (content == oldBytes)
            ++old;
        else if (content == newBytes)
            ++fresh;
        else
            ++torn;
    }
    const QStringList leftovers = leftoversIn(dir);
    std::cout << Kills << " kills: " << old << " old, " << fresh << " new, " << torn << " torn; "
              << leftovers.size() << " temporary files left\n";
    EXPECT_EQ(torn, 0);
    EXPECT_GT(old, 0);
    EXPECT_GT(fresh, 0);

    // Once they have lain untouched for a while, the next save removes them all.
    for (const QString& name : leftovers) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                     QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(saveBudgetFile(path, newTables));
    EXPECT_EQ(leftoversIn(dir), QStringList());
    EXPECT_EQ(contentOf(path), newBytes);
}
