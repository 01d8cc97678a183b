#include "core/files/SaveLeftovers.h"

#include "core/budget/BudgetFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pennywell;

namespace {

// The id of a process that has ended.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

class Leftovers : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    void leave(const QString& name, int minutesAgo) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("part of a save");
        file.flush();
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesAgo),
                                     QFileDevice::FileModificationTime));
    }

    std::string names() const {
        QStringList names =
            QDir(dir_.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        return names.join(u'\n').toStdString();
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(Leftovers, ASaveRemovesWhatKilledSavesOfThatFileLeftAndNothingElse) {
    const QString dead = QString::number(endedProcess());
    const QString alive = QString::number(::getppid());
    const QStringList kept = {
        "Home.bgt.pennywell-save-" + alive + "-aB3dE9", // its save may still be under way
        "Home.bgt.pennywell-save-" + dead + "-fresh1",  // touched less than a minute ago
        "Home.bgt.pennywell-save-" + dead + "-short",   // not a name the program makes
        "Home.bgt.pennywell-save-" + dead + "-abc-de",
        "Home.bgt.pennywell-save-x" + dead + "-abcdef",
        "Home.bgt.QSaveFile",
        "Home.bgt.k7Hq2Z",                              // the user's, or another program's
        "Other.bgt.pennywell-save-" + dead + "-abcdef", // cleaned when Other.bgt is saved
    };
    for (const QString& name : kept)
        leave(name, name.contains(u"fresh") ? 0 : 5);
    leave("Home.bgt.pennywell-save-" + dead + "-old123", 5);
    leave("Home.bgt.pennywell-save-" + dead + "-Old456", 60 * 24);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Home.bgt.pennywell-save-" + dead + "-folder"));
    ASSERT_TRUE(QFile::link(path("Other.bgt.pennywell-save-" + dead + "-abcdef"),
                            path("Home.bgt.pennywell-save-" + dead + "-linked")));

    ASSERT_TRUE(saveBudgetFile(path("Home.bgt"), BudgetTables{}));

    QStringList expected = kept;
    expected << "Home.bgt"
             << "Home.bgt.pennywell-save-" + dead + "-folder"
             << "Home.bgt.pennywell-save-" + dead + "-linked";
    expected.sort();
    EXPECT_EQ(names(), expected.join(u'\n').toStdString());
}

TEST_F(Leftovers, TheCopyBesideAFileWithOtherNamesIsKept) {
    // It may be the only whole copy, left by a save killed while writing the file in place.
    ASSERT_TRUE(saveBudgetFile(path("Home.bgt"), BudgetTables{}));
    ASSERT_EQ(::link(QFile::encodeName(path("Home.bgt")), QFile::encodeName(path("Also.bgt"))), 0);
    const QString copy = "Home.bgt.pennywell-save-" + QString::number(endedProcess()) + "-abcdef";
    leave(copy, 5);
    ASSERT_TRUE(saveBudgetFile(path("Home.bgt"), BudgetTables{}));
    EXPECT_TRUE(QFile::exists(path(copy)));
}
