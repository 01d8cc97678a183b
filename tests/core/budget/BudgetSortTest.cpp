#include "core/budget/BudgetSort.h"

#include "BudgetTestRecords.h"

#include <gtest/gtest.h>

using namespace pennywell;
using pennywell::testing::budgetRecord;
using pennywell::testing::descriptionsOf;

namespace {

BudgetTable tableOf(std::vector<BudgetRecord> records) {
    BudgetTable table;
    table.records = std::move(records);
    return table;
}

std::vector<double> amountsOf(const BudgetTable& table) {
    std::vector<double> amounts;
    for (const BudgetRecord& record : table.records)
        amounts.push_back(record.annualAmount);
    return amounts;
}

} // namespace

TEST(BudgetSort, NamesIgnoreCaseInBothDirections) {
    BudgetTable table =
        tableOf({budgetRecord("cherry", 1), budgetRecord("apple", 2), budgetRecord("Banana", 3)});
    sortBudgetTable(table, BudgetSortOrder::NamesAscending);
    EXPECT_EQ(descriptionsOf(table), QStringList({"apple", "Banana", "cherry"}));
    sortBudgetTable(table, BudgetSortOrder::NamesDescending);
    EXPECT_EQ(descriptionsOf(table), QStringList({"cherry", "Banana", "apple"}));
}

TEST(BudgetSort, NamesCompareUpperCaseByCharacterCode) {
    // In upper case "_" (95) follows "Z" (90); a shorter prefix sorts first.
    BudgetTable table =
        tableOf({budgetRecord("a_b", 1), budgetRecord("azz", 2), budgetRecord("az", 3)});
    sortBudgetTable(table, BudgetSortOrder::NamesAscending);
    EXPECT_EQ(descriptionsOf(table), QStringList({"az", "azz", "a_b"}));
}

TEST(BudgetSort, AmountsOrderByTheAnnualFigure) {
    // 100 paid 52 times (5,200) against 1,000 paid 4 times (4,000).
    BudgetTable table =
        tableOf({budgetRecord("Quarterly", 4000, 4, 9999), budgetRecord("Weekly", 5200, 52, 1),
                 budgetRecord("Small", 10, 1, 50000)});
    sortBudgetTable(table, BudgetSortOrder::AmountsHighToLow);
    EXPECT_EQ(descriptionsOf(table), QStringList({"Weekly", "Quarterly", "Small"}));
    sortBudgetTable(table, BudgetSortOrder::AmountsLowToHigh);
    EXPECT_EQ(descriptionsOf(table), QStringList({"Small", "Quarterly", "Weekly"}));
}

TEST(BudgetSort, RenumbersFromTheTop) {
    BudgetTable table = tableOf({budgetRecord("b", 1), budgetRecord("c", 2), budgetRecord("a", 3)});
    table.records[0].number = 7;
    sortBudgetTable(table, BudgetSortOrder::NamesAscending);
    for (int i = 0; i < table.count(); ++i)
        EXPECT_EQ(table.records[std::size_t(i)].number, i + 1);

    BudgetTable single = tableOf({budgetRecord("only", 5)});
    single.records[0].number = 42;
    sortBudgetTable(single, BudgetSortOrder::AmountsHighToLow);
    EXPECT_EQ(single.records[0].number, 1);

    BudgetTable empty;
    sortBudgetTable(empty, BudgetSortOrder::NamesAscending);
    EXPECT_EQ(empty.count(), 0);
}

TEST(BudgetSort, EqualKeysMoveOnlyAsTheGapsCarryThem) {
    // Three equal names tagged by amount: the wide first gap swaps the first "x" past the
    // others, and ties never swap back, so the order of the x records is 10, 12, 11.
    BudgetTable table = tableOf({budgetRecord("x", 10), budgetRecord("x", 11),
                                 budgetRecord("x", 12), budgetRecord("a", 13)});
    sortBudgetTable(table, BudgetSortOrder::NamesAscending);
    EXPECT_EQ(amountsOf(table), (std::vector<double>{13, 10, 12, 11}));
}

TEST(BudgetSort, APendingChangeFollowsItsRecord) {
    BudgetTable table = tableOf({budgetRecord("d", 1), budgetRecord("c", 2), budgetRecord("b", 3),
                                 budgetRecord("a", 4), budgetRecord("e", 5)});
    table.chosenRecord = 2; // "c"
    sortBudgetTable(table, BudgetSortOrder::NamesAscending);
    ASSERT_EQ(descriptionsOf(table), QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_EQ(table.chosenRecord, 3);
    sortBudgetTable(table, BudgetSortOrder::NamesDescending);
    EXPECT_EQ(table.records[std::size_t(table.chosenRecord - 1)].description, "c");
}
