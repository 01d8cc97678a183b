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
