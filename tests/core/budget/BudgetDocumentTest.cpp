#include "core/budget/BudgetDocument.h"

#include "BudgetTestRecords.h"
#include "core/budget/BudgetMessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pennywell;

namespace {

BudgetDocument changedDocument() {
    BudgetDocument document;
    document.tables().income.records.push_back(
        pennywell::testing::budgetRecord(QStringLiteral("Pay"), 1200));
    document.markChanged();
    return document;
}

} // namespace

TEST(BudgetDocument, AFailedSaveSaysWhyAndKeepsTheRecordsUnsaved) {
    const QTemporaryDir folder;
    BudgetDocument document = changedDocument();
    document.setFileName(QStringLiteral("Home.bgt"));
    const BudgetSaveOutcome outcome =
        document.save(QDir(folder.path()).filePath(QStringLiteral("missing/Home.bgt")));
    EXPECT_EQ(outcome.result.problem, SaveProblem::NoSuchFolder);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->title, budget_messages::SavingErrorTitle);
    EXPECT_EQ(outcome.message->text, budget_messages::BadFilename);
    EXPECT_EQ(outcome.message->details, QStringLiteral("The folder does not exist."));
    EXPECT_TRUE(document.holdsUnsavedRecords());
    EXPECT_EQ(document.fileName(), QStringLiteral("Home.bgt"));
}

TEST(BudgetDocument, ARefusalToReplaceAFileStandsInTheTextNotTwiceInTheDetails) {
    const QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("Old.bgt"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    ASSERT_TRUE(old.setPermissions(QFileDevice::ReadOwner));
    BudgetDocument document = changedDocument();
    const BudgetSaveOutcome outcome = document.save(path);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->text,
              budget_messages::BadFilename + QStringLiteral("\r\nThe file is read-only."));
    EXPECT_TRUE(outcome.message->details.isEmpty());
}

TEST(BudgetDocument, SavingAndLoadingNameTheFileAndClearTheChange) {
    const QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("Home.bgt"));
    BudgetDocument document = changedDocument();
    EXPECT_TRUE(document.save(path).result);
    EXPECT_FALSE(document.holdsUnsavedRecords());
    EXPECT_EQ(document.fileName(), QStringLiteral("Home.bgt"));

    BudgetDocument reopened;
    EXPECT_FALSE(reopened.load(path));
    EXPECT_EQ(pennywell::testing::descriptionsOf(reopened.tables().income), QStringList{"Pay"});
    EXPECT_EQ(reopened.fileName(), QStringLiteral("Home.bgt"));
    const auto refusal = reopened.load(QDir(folder.path()).filePath(QStringLiteral("none.bgt")));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, budget_messages::LoadFailed);
    EXPECT_EQ(reopened.tables().income.count(), 1); // a bad file never costs the records
}
