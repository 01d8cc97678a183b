#include "core/budget/SampleBudget.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pennywell;

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(SampleBudget, IsCopiedIntoAFallbackFolderOnceAndNeverOverAUsersFile) {
    QTemporaryDir program;
    QTemporaryDir userData;
    write(QDir(program.path()).filePath(SampleBudgetFileName), "sample");
    const QString copy = QDir(userData.path()).filePath(SampleBudgetFileName);

    provideSampleBudget(program.path(), userData.path());
    EXPECT_EQ(read(copy), "sample");

    write(copy, "the user's own");
    provideSampleBudget(program.path(), userData.path());
    EXPECT_EQ(read(copy), "the user's own");

    provideSampleBudget(program.path(), program.path()); // already beside the program
    EXPECT_EQ(read(QDir(program.path()).filePath(SampleBudgetFileName)), "sample");
}
