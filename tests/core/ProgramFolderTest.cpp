#include "core/state/ProgramFolder.h"

#include "core/files/FileName.h"
#include "core/state/FolderHistory.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using pennywell::resolveProgramFolder;

TEST(ProgramFolder, AWritableProgramFolderIsUsedAsItIs) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(resolveProgramFolder(folder.path()), QDir(folder.path()).absolutePath());
}

TEST(ProgramFolder, AnUnusableFolderFallsBackToTheUsersDataFolder) {
    QStandardPaths::setTestModeEnabled(true);
    const QString fallback = resolveProgramFolder(QStringLiteral("/nonexistent/pennywell/bin"));
    EXPECT_EQ(fallback, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_TRUE(QDir(fallback).exists());
    QStandardPaths::setTestModeEnabled(false);
}

TEST(ProgramFolder, AnInstalledProgramKeepsFilesInTheUsersDataFolderEvenWhenItsBinIsWritable) {
    // Run as root, an installed program's bin folder is writable; budgets must still not land
    // among the system's programs.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("bin")) &&
                root.mkpath(QStringLiteral("share/pennywell")));
    const QString bin = root.filePath(QStringLiteral("bin"));

    EXPECT_EQ(resolveProgramFolder(bin),
              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_EQ(pennywell::shippedFilesFolder(bin), root.filePath(QStringLiteral("share/pennywell")));
    QStandardPaths::setTestModeEnabled(false);
}

TEST(ProgramFolder, ABuildFolderShipsItsFilesBesideTheProgram) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(pennywell::shippedFilesFolder(folder.path()), folder.path());
}

// An installed program's budget dialogs start in the documents folder, not in the hidden data
// folder; a program kept in its own folder starts there; the folder used last wins either way.
TEST(ProgramFolder, BudgetDialogsStartInTheFolderUsedLastOrTheDocuments) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(pennywell::budgetDialogFolder(data, {}), documents);
    EXPECT_EQ(pennywell::budgetDialogFolder(QStringLiteral("/opt/pw"), {}),
              QStringLiteral("/opt/pw"));
    QStringList recent;
    for (int folder = 0; folder < 12; ++folder)
        recent = pennywell::withRecentFolder(recent, QString::number(folder % 11));
    EXPECT_EQ(recent.size(), 10);
    EXPECT_EQ(recent.first(), QStringLiteral("0"));
    EXPECT_EQ(recent.count(QStringLiteral("0")), 1);
    EXPECT_EQ(pennywell::budgetDialogFolder(data, recent), QStringLiteral("0"));
}

// The folder history comes back as it was kept, a name in another code page byte for byte;
// whatever else the file holds (binary junk, relative names, folders that are gone, a name
// that is not a folder) is passed over, and a file that cannot be read gives no history.
TEST(ProgramFolder, TheFolderHistoryComesBackAndDamageIsPassedOver) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QDir root(temporary.path());
    const QString foreign = root.filePath(pennywell::fileNameFromBytes("Caf\xe9"));
    ASSERT_EQ(::mkdir(pennywell::fileNameBytes(foreign).constData(), 0700), 0);
    ASSERT_TRUE(root.mkpath(QStringLiteral("b")));
    const QString history = root.filePath(QStringLiteral("state/budget-folders"));
    const QStringList kept{foreign, root.filePath(QStringLiteral("b"))};
    ASSERT_TRUE(pennywell::writeFolderHistory(history, kept));
    EXPECT_EQ(pennywell::readFolderHistory(history), kept);
    // Which folders the user keeps files in is nobody else's business, whatever the umask.
    struct stat status {};
    ASSERT_EQ(::stat(pennywell::fileNameBytes(history).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    QFile damaged(history);
    ASSERT_TRUE(damaged.open(QIODevice::Append));
    damaged.write(QByteArray("\0\xff\x01\n", 4) + "relative\n" + root.filePath("gone").toUtf8() +
                  "\n" + history.toUtf8() + "\n\n" + root.filePath("b").toUtf8() + '\0' + "x\n");
    damaged.close();
    EXPECT_EQ(pennywell::readFolderHistory(history), kept);
    EXPECT_TRUE(pennywell::readFolderHistory(root.path()).isEmpty()); // a folder, not a file
}
