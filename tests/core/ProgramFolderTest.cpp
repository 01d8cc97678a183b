#include "state/ProgramFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
