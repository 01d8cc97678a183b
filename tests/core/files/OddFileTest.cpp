#include "core/budget/BudgetFile.h"
#include "core/files/AtomicWrite.h"
#include "core/files/RegularFile.h"
#include "core/settings/PersonalSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pennywell;

namespace {

// A reader that waits on a pipe would hang the whole test run; the alarm ends it instead.
class OddFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ::alarm(20);
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo()).constData(), 0600), 0);
    }
    void TearDown() override { ::alarm(0); }

    QString fifo() const { return QDir(dir_.path()).filePath(QStringLiteral("pipe.bgt")); }
    QString inFolder(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    QTemporaryDir dir_;
};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST_F(OddFiles, OnlyRegularFilesAreReadAsBudgets) {
    EXPECT_FALSE(loadBudgetFile(fifo()));
    EXPECT_FALSE(loadBudgetFile(QStringLiteral("/dev/zero")));
    EXPECT_FALSE(loadBudgetFile(QStringLiteral("/dev/urandom")));
    EXPECT_FALSE(loadBudgetFile(dir_.path()));
    // Through a link the same: what counts is what the name leads to.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), inFolder(QStringLiteral("zero.bgt"))));
    EXPECT_FALSE(loadBudgetFile(inFolder(QStringLiteral("zero.bgt"))));
}

TEST_F(OddFiles, ASettingsFileThatIsNoRegularFileGivesTheDefaults) {
    const QString settings = inFolder(SettingsFileName);
    // Qt's own rename opens the file afterwards, which would wait on the pipe.
    ASSERT_EQ(
        ::rename(QFile::encodeName(fifo()).constData(), QFile::encodeName(settings).constData()),
        0);
    SettingsLoadResult loaded = loadSettings(settings);
    EXPECT_FALSE(loaded.complete);
    EXPECT_EQ(loaded.settings.CurrencySymbol, "$");

    ASSERT_TRUE(QFile::remove(settings));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/urandom"), settings));
    loaded = loadSettings(settings);
    EXPECT_FALSE(loaded.complete);
    EXPECT_EQ(loaded.settings.CurrencySymbol, "$");
}

TEST_F(OddFiles, SavingNeverReplacesWhatIsNoRegularFile) {
    EXPECT_FALSE(writeFileAtomically(fifo(), "0\r\n0\r\n"));
    EXPECT_TRUE(QFileInfo(fifo()).exists() && !QFileInfo(fifo()).isFile());
    const QString folder = inFolder(QStringLiteral("folder.bgt"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.bgt")));
    EXPECT_FALSE(writeFileAtomically(folder, "0\r\n0\r\n"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"pipe.bgt"}));
}

TEST(RegularFile, ReadingStopsAtTheLimitAndSaysWhetherMoreFollows) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("ten"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0123456789");
    file.close();

    const auto cut = readRegularFile(path, 4);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->bytes, "0123");
    EXPECT_FALSE(cut->whole);
    const auto exact = readRegularFile(path, 10);
    ASSERT_TRUE(exact);
    EXPECT_EQ(exact->bytes, "0123456789");
    EXPECT_TRUE(exact->whole);
    EXPECT_FALSE(readRegularFile(QDir(dir.path()).filePath(QStringLiteral("missing")), 10));
}

TEST(AtomicWrite, ALinkedFileIsReplacedThroughTheLinkAndKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString real = QDir(dir.path()).filePath(QStringLiteral("real.bgt"));
    const QString link = QDir(dir.path()).filePath(QStringLiteral("link.bgt"));
    ASSERT_TRUE(writeFileAtomically(real, "old"));
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(real, link));

    ASSERT_TRUE(writeFileAtomically(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    QFile read(real);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), "new");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(AtomicWrite, AFailedOrEmptyWriteKeepsTheOldFileAndSaysWhy) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Old.bgt");
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    struct Fault {
        ssize_t answer;
        int error;
        SaveProblem problem;
    };
    // A write that wrote nothing was asked again for ever; the count ends such a loop here.
    for (const Fault& fault :
         {Fault{-1, ENOSPC, SaveProblem::NoRoom}, Fault{-1, EIO, SaveProblem::WriteError},
          Fault{0, 0, SaveProblem::WriteError}}) {
        int calls = 0;
        const SaveResult saved = writeFileAtomically(path, "new", [&](int, const void*, size_t) {
            errno = ++calls > 100 ? EIO : fault.error;
            return calls > 100 ? -1 : fault.answer;
        });
        EXPECT_EQ(saved.problem, fault.problem);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(contentOf(path), "old");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("Old.bgt"));
    }
}

// Nobody else may read a private file at any moment of its save, nor the copy a killed save
// leaves: the temporary file has its final mode before its first byte, whatever the umask.
TEST(AtomicWrite, ThePrivateModeHoldsFromTheFirstByte) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Private.bgt");
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    const mode_t umask = ::umask(0);
    struct stat atFirstByte {};
    const SaveResult saved =
        writeFileAtomically(path, "new", [&](int fd, const void* bytes, size_t size) {
            ::fstat(fd, &atFirstByte);
            return ::write(fd, bytes, size);
        });
    ::umask(umask);
    EXPECT_TRUE(saved);
    EXPECT_EQ(atFirstByte.st_mode & 07777, 0600u);
}

// The temporary name of a file whose name is at the limit is cut short, and the copy a killed
// save leaves under it is still tidied by the next save.
TEST(AtomicWrite, ANameOfTheLongestLengthIsSavedAndItsLeftoversTidied) {
    QTemporaryDir dir;
    const QString name = u'a' + QString(125, u'é') + ".bgt"; // 255 bytes
    const QString path = QDir(dir.path()).filePath(name);
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        writeFileAtomically(path, "new", [](int, const void*, size_t) -> ssize_t { ::_exit(0); });
    ::waitpid(child, nullptr, 0);
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    ASSERT_TRUE(left.removeOne(name) && left.size() == 1);
    EXPECT_TRUE(left[0].startsWith(u'a' + QString(110, u'é') + ".pennywell-save-"));
    QFile leftover(QDir(dir.path()).filePath(left[0]));
    ASSERT_TRUE(leftover.open(QIODevice::ReadWrite));
    ASSERT_TRUE(leftover.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                     QFileDevice::FileModificationTime));

    ASSERT_TRUE(writeFileAtomically(path, "new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(name));
    EXPECT_EQ(contentOf(path), "new");
}
