#include "core/budget/BudgetSort.h"

#include <utility>

namespace pennywell {
namespace {

// Slots are numbered from 1 as the users see them; keys travel with their records.
template <typename Key> void shellSort(BudgetTable& table, std::vector<Key>& keys, bool ascending) {
    const int n = table.count();
    const auto inOrder = [&](int j, int k) {
        const Key& first = keys[std::size_t(j - 1)];
        const Key& second = keys[std::size_t(k - 1)];
        return ascending ? !(second < first) : !(first < second);
    };
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap; i <= n - 1; ++i) {
            for (int j = i - gap + 1; j >= 1; j -= gap) {
                if (inOrder(j, j + gap))
                    break;
                std::swap(table.records[std::size_t(j - 1)],
                          table.records[std::size_t(j + gap - 1)]);
                std::swap(keys[std::size_t(j - 1)], keys[std::size_t(j + gap - 1)]);
                if (table.chosenRecord == j)
                    table.chosenRecord = j + gap;
                else if (table.chosenRecord == j + gap)
                    table.chosenRecord = j;
            }
        }
    }
}

} // namespace

void sortBudgetTable(BudgetTable& table, BudgetSortOrder order) {
    switch (order) {
    case BudgetSortOrder::NamesAscending:
    case BudgetSortOrder::NamesDescending: {
        std::vector<QString> names;
        names.reserve(table.records.size());
        for (const BudgetRecord& record : table.records)
            names.push_back(record.description.toUpper());
        shellSort(table, names, order == BudgetSortOrder::NamesAscending);
        break;
    }
    case BudgetSortOrder::AmountsHighToLow:
    case BudgetSortOrder::AmountsLowToHigh: {
        std::vector<double> amounts;
        amounts.reserve(table.records.size());
        for (const BudgetRecord& record : table.records)
            amounts.push_back(record.annualAmount);
        shellSort(table, amounts, order == BudgetSortOrder::AmountsLowToHigh);
        break;
    }
    }
    for (int i = 0; i < table.count(); ++i)
        table.records[std::size_t(i)].number = i + 1;
}

} // namespace pennywell
