#include "../../common/TinyFileSystem.h"
#include "core/budget/BudgetFile.h"
#include "core/settings/PersonalSettings.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace pennywell;

namespace {

// 22 bytes: one income record, no expense.
const QByteArray OldBudget = "1\r\n1,\"Rent\",1,1,1\r\n0\r\n";
// 13 bytes: the dollar, the 11-point font, Sam.
const QByteArray OldSettings = "\"$\",2,\"Sam\"\r\n";

BudgetTables sixtyAndSixty() {
    BudgetTables tables;
    for (int i = 1; i <= 60; ++i) {
        tables.income.records.push_back(
            {i, QStringLiteral("Income from the allotment %1").arg(i), 1200.5 * i, 12, 1000});
        tables.expense.records.push_back(
            {i, QStringLiteral("Expense at the corner shop %1").arg(i), 310.25 * i, 52, 300});
    }
    return tables;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (!disk_.mounted())
            GTEST_SKIP() << disk_.whyNot().toStdString();
    }

    QStringList filesOnDisk() const {
        return QDir(disk_.filePath(QString())).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TinyFileSystem disk_{64 * 1024};
};

} // namespace

TEST_F(FullDisk, ABudgetTooBigForTheSpaceLeftKeepsTheOldFile) {
    const QString path = disk_.filePath(QStringLiteral("Old.bgt"));
    put(path, OldBudget);
    disk_.fill(4096);
    const BudgetTables tables = sixtyAndSixty();
    ASSERT_GT(budgetFileBytes(tables).size(), disk_.freeBytes());

    EXPECT_FALSE(saveBudgetFile(path, tables));
    EXPECT_EQ(contentOf(path), OldBudget);
    EXPECT_TRUE(loadBudgetFile(path));
    EXPECT_EQ(filesOnDisk(), QStringList({"Old.bgt", "filler"}));

    // With room again the same save goes through.
    ASSERT_TRUE(QFile::remove(disk_.filePath(QStringLiteral("filler"))));
    EXPECT_TRUE(saveBudgetFile(path, tables));
    EXPECT_EQ(contentOf(path), budgetFileBytes(tables));
}

TEST_F(FullDisk, SettingsOnACompletelyFullDiskStayAsTheyWere) {
    const QString path = disk_.filePath(SettingsFileName);
    put(path, OldSettings);
    disk_.fill(0);
    ASSERT_EQ(disk_.freeBytes(), 0);

    EXPECT_FALSE(saveSettings(
        path, {QStringLiteral("EU"), PrinterFont::CourierNew10, QStringLiteral("Sam Smith")}));
    EXPECT_EQ(contentOf(path), OldSettings);
    EXPECT_EQ(filesOnDisk(), QStringList({"Personal.pws", "filler"}));
}

TEST_F(FullDisk, NoTemporaryFileCanBeCreated) {
    const QString path = disk_.filePath(QStringLiteral("Old.bgt"));
    put(path, OldBudget);
    ASSERT_TRUE(disk_.makeReadOnly());

    EXPECT_FALSE(saveBudgetFile(path, sixtyAndSixty()));
    EXPECT_FALSE(saveSettings(disk_.filePath(SettingsFileName), PersonalSettings{}));
    EXPECT_EQ(contentOf(path), OldBudget);
    EXPECT_EQ(filesOnDisk(), QStringList({"Old.bgt"}));
}
