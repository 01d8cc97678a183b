#include "core/budget/BudgetEditing.h"

#include "BudgetTestRecords.h"
#include "core/budget/DescriptionLength.h"

#include <gtest/gtest.h>

using namespace pennywell;
using pennywell::testing::budgetRecord;
using pennywell::testing::descriptionsOf;

TEST(BudgetEditing, AddStoresAnnualisedFigures) {
    BudgetTable table;
    ASSERT_EQ(addBudgetRecord(table, "Salary", "      26", {1200, 26, 1100}),
              BudgetEditOutcome::Done);
    ASSERT_EQ(table.count(), 1);
    EXPECT_EQ(table.records[0], (BudgetRecord{1, "Salary", 31200, 26, 28600}));
}

TEST(BudgetEditing, AddNeedsADescriptionAndPaymentsPerYear) {
    BudgetTable table;
    EXPECT_EQ(addBudgetRecord(table, "", "12", {1, 12, 1}), BudgetEditOutcome::MissingData);
    EXPECT_EQ(addBudgetRecord(table, "Rent", "", {1, 12, 1}), BudgetEditOutcome::MissingData);
    EXPECT_EQ(addBudgetRecord(table, "Rent", "   0", {1, 12, 1}), BudgetEditOutcome::MissingData);
    EXPECT_EQ(addBudgetRecord(table, "Rent", "-12", {1, -12, 1}), BudgetEditOutcome::MissingData);
    // A box showing a figure that was never stored must not make a record of 0 payments,
    // which no budget file could hold.
    EXPECT_EQ(addBudgetRecord(table, "Rent", "12", {1, 0, 1}), BudgetEditOutcome::MissingData);
    EXPECT_EQ(table.count(), 0);
}

TEST(BudgetEditing, FiguresThatOverflowAreRefused) {
    BudgetTable table;
    EXPECT_EQ(addBudgetRecord(table, "Huge", "12", {1e308, 12, 1}), BudgetEditOutcome::TooLarge);
    // Finite, but two of them would overflow the total.
    EXPECT_EQ(addBudgetRecord(table, "Huge", "12", {1e300, 12, 1}), BudgetEditOutcome::TooLarge);
    table.records.push_back(budgetRecord("Club", 100, 3));
    table.chosenRecord = 1;
    EXPECT_EQ(changeBudgetRecord(table, "Club", "3", {1, 3, 1e308}), BudgetEditOutcome::TooLarge);
    EXPECT_EQ(table.records[0].annualAmount, 100);
    EXPECT_EQ(table.chosenRecord, 1);
}

TEST(BudgetEditing, TheFiveHundredthRecordIsTheLast) {
    BudgetTable table;
    for (int i = 0; i < BudgetTable::MaximumRecords - 1; ++i)
        table.records.push_back(budgetRecord("r", 1));
    EXPECT_EQ(addBudgetRecord(table, "500th", "1", {1, 1, 1}), BudgetEditOutcome::Done);
    EXPECT_EQ(addBudgetRecord(table, "501st", "1", {1, 1, 1}), BudgetEditOutcome::TableFull);
    EXPECT_EQ(table.count(), 500);
    EXPECT_EQ(table.records.back().description, "500th");
}

TEST(BudgetEditing, APastedQuoteOrLineBreakNeverReachesARecord) {
    BudgetTable table;
    addBudgetRecord(table, "Say \"hi\"\r\nnow", "1", {1, 1, 1});
    EXPECT_EQ(table.records[0].description, "Say hi  now");
}

TEST(BudgetEditing, ChangingOnlyThePaymentsKeepsTheAmountPerPayment) {
    BudgetTable table;
    table.records.push_back(budgetRecord("Gym", 300, 3, 150));
    BudgetEntry entry = entryOfRecord(table.records[0]);
    EXPECT_EQ(entry.amount, 100);
    EXPECT_EQ(entry.budgeted, 50);
    entry.paymentsPerYear = 4;
    table.chosenRecord = 1;
    ASSERT_EQ(changeBudgetRecord(table, "Gym", "4", entry), BudgetEditOutcome::Done);
    EXPECT_EQ(table.records[0].annualAmount, 400);
    EXPECT_EQ(table.records[0].annualBudgeted, 200);
    EXPECT_EQ(table.chosenRecord, 0);
}

TEST(BudgetEditing, ChangingOnlyTheDescriptionKeepsTheExactFigure) {
    BudgetTable table;
    table.records.push_back(budgetRecord("Club", 100, 3, 100));
    table.chosenRecord = 1;
    ASSERT_EQ(changeBudgetRecord(table, "Tennis club", "       3", entryOfRecord(table.records[0])),
              BudgetEditOutcome::Done);
    EXPECT_EQ(table.records[0].description, "Tennis club");
    EXPECT_DOUBLE_EQ(table.records[0].annualAmount, 100);
}

TEST(BudgetEditing, AChangeWithoutPaymentsStaysPending) {
    BudgetTable table;
    table.records.push_back(budgetRecord("Club", 100, 3));
    table.chosenRecord = 1;
    EXPECT_EQ(changeBudgetRecord(table, "Club", "", {1, 0, 1}), BudgetEditOutcome::MissingData);
    EXPECT_EQ(table.chosenRecord, 1);
    EXPECT_EQ(table.records[0].annualAmount, 100);
}

TEST(BudgetEditing, DeleteClosesTheGapAndRenumbers) {
    BudgetTable table;
    table.records = {budgetRecord("a", 1), budgetRecord("b", 2), budgetRecord("c", 3)};
    for (int i = 0; i < 3; ++i)
        table.records[std::size_t(i)].number = i + 1;
    deleteBudgetRecord(table, 2);
    EXPECT_EQ(descriptionsOf(table), QStringList({"a", "c"}));
    EXPECT_EQ(table.records[1].number, 2);

    deleteBudgetRecord(table, 3); // not there: nothing happens
    EXPECT_EQ(table.count(), 2);
    deleteBudgetRecord(table, 1);
    deleteBudgetRecord(table, 1);
    EXPECT_EQ(table.count(), 0);
}

TEST(BudgetEditing, OverlongDescriptionsAreCutWholeCharactersAndListed) {
    BudgetTables tables;
    // A character of two halves straddles the cut: it goes whole.
    const QString straddling = QString(MaximumDescriptionLength - 1, QLatin1Char('a')) +
                               QString::fromUtf8("\xF0\x9F\x92\xB0") + QStringLiteral("b");
    tables.income.records.push_back(budgetRecord(straddling, 1));
    tables.income.records.push_back(budgetRecord("Salary", 1));
    for (int i = 0; i < 12; ++i)
        tables.expense.records.push_back(
            budgetRecord(QString(MaximumDescriptionLength + 1, QLatin1Char('c')), 1));

    const QStringList lines = shortenLongDescriptions(tables).split(QStringLiteral("\r\n"));
    EXPECT_EQ(tables.income.records[0].description, straddling.left(MaximumDescriptionLength - 1));
    EXPECT_EQ(tables.income.records[1].description, "Salary");
    EXPECT_EQ(tables.expense.records[11].description.size(), MaximumDescriptionLength);
    ASSERT_EQ(lines.size(), 12); // the heading, ten records and the rest counted
    EXPECT_EQ(lines[1], "Income: \"aaaaaaaaaaaaaaaaaaaa...\"");
    EXPECT_EQ(lines[11], "and 3 more");
    EXPECT_EQ(shortenLongDescriptions(tables), QString()); // nothing left to shorten
}
