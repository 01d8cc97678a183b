#include "core/budget/BudgetRecoveryCopy.h"

#include "BudgetTestRecords.h"
#include "core/budget/BudgetFile.h"

#include <gtest/gtest.h>

using namespace pennywell;
using pennywell::testing::budgetRecord;

namespace {

// Figures a 15-digit budget file would round, a description with a comma, a file name no
// line of text can hold, and a change pending on each side.
BudgetWork unsavedWork() {
    BudgetWork work;
    work.tables.income.records = {budgetRecord("Salary, net", 19.99 * 26, 26, 0.1 + 0.2)};
    work.tables.expense.records = {budgetRecord("Rent", 100.0 / 3 * 12, 12, 9000),
                                   budgetRecord("Water", 1e300, 4, -0.5)};
    for (BudgetTable* table : {&work.tables.income, &work.tables.expense})
        for (std::size_t i = 0; i < table->records.size(); ++i)
            table->records[i].number = int(i) + 1;
    work.filePath = QString::fromUtf8("/home/u/Haus, \"neu\"\n\xc3\xa4.bgt");
    work.period = *periodFromKey(QStringLiteral("monthly"));
    work.order = BudgetSortOrder::AmountsHighToLow;
    work.changed = true;
    work.pendingChanges = {{BudgetSide::Income, 1, QStringLiteral("Salary, gross"), {1.5, 26, 2}},
                           {BudgetSide::Expense, 2, QStringLiteral("Water"), {1e299, 4, 0}}};
    return work;
}

} // namespace

TEST(BudgetRecoveryCopy, KeepsEveryBitOfTheWorkAndOpensAsABudgetFile) {
    const BudgetWork work = unsavedWork();
    const QDateTime written(QDate(2026, 12, 9), QTime(21, 5, 33, 250), Qt::UTC);
    const QByteArray bytes = withWrittenTime(recoveryCopyBody(work), written);

    const std::optional<RecoveryCopy> copy = parseRecoveryCopy(bytes);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->written, written);
    EXPECT_EQ(copy->work.tables.income.records, work.tables.income.records);
    EXPECT_EQ(copy->work.tables.expense.records, work.tables.expense.records);
    EXPECT_EQ(copy->work.filePath, work.filePath);
    EXPECT_EQ(copy->work.period.key, QStringLiteral("monthly"));
    EXPECT_EQ(copy->work.order, BudgetSortOrder::AmountsHighToLow);
    ASSERT_EQ(copy->work.pendingChanges.size(), 2u);
    EXPECT_EQ(copy->work.pendingChanges[0].description, QStringLiteral("Salary, gross"));
    EXPECT_EQ(copy->work.pendingChanges[1].entry.amount, 1e299);
    EXPECT_EQ(recoveryCopyBody(copy->work), recoveryCopyBody(work));

    const std::optional<BudgetTables> opened = parseBudgetFile(bytes);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->expense.records, work.tables.expense.records);
}

TEST(BudgetRecoveryCopy, ACopyCutShortOrWrongIsNeverRead) {
    const QByteArray whole =
        withWrittenTime(recoveryCopyBody(unsavedWork()), QDateTime::currentDateTimeUtc());
    for (qsizetype length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(parseRecoveryCopy(whole.first(length))) << length;

    QByteArray strayChange = whole;
    strayChange.replace("change=expense,2,", "change=expense,3,"); // there is no record 3
    EXPECT_FALSE(parseRecoveryCopy(strayChange));
    QByteArray plainBudget = budgetFileBytes(unsavedWork().tables);
    EXPECT_FALSE(parseRecoveryCopy(plainBudget));
    EXPECT_FALSE(parseRecoveryCopy(whole + "period=monthly\r\n"));
}

TEST(BudgetRecoveryCopy, OnlyWorkThatWouldBeLostNeedsACopy) {
    BudgetWork work = unsavedWork();
    work.pendingChanges.clear();
    EXPECT_TRUE(holdsLostWork(work, BudgetTables{}));

    // The file's records in another order, as a new sort leaves them, lose nothing.
    BudgetTables file = work.tables;
    std::swap(file.expense.records[0], file.expense.records[1]);
    EXPECT_FALSE(holdsLostWork(work, file));
    file.expense.records[0].annualBudgeted += 1;
    EXPECT_TRUE(holdsLostWork(work, file));

    work.changed = false; // just saved
    EXPECT_FALSE(holdsLostWork(work, file));
    const BudgetRecord& rent = work.tables.expense.records[0];
    work.pendingChanges = {{BudgetSide::Expense, 1, rent.description, entryOfRecord(rent)}};
    EXPECT_FALSE(holdsLostWork(work, file)); // What If? picked a record, nothing retyped yet
    work.pendingChanges[0].entry.paymentsPerYear = 6;
    EXPECT_TRUE(holdsLostWork(work, file));
}
