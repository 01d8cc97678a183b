#include "budget/BudgetFile.h"
#include "files/AtomicWrite.h"
#include "files/RegularFile.h"
#include "settings/PersonalSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
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
