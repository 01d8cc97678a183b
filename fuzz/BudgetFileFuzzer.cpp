// Arbitrary bytes as a budget file: reading never crashes, and a file it accepts saves and
// reopens to the same file, so a budget that opened once always opens again.
#include "FuzzCheck.h"
#include "core/budget/BudgetFile.h"

#include <cmath>

using namespace pennywell;

namespace {

void checkTable(const BudgetTable& table) {
    fuzzCheck(table.count() <= BudgetTable::MaximumRecords, "at most 500 records a side");
    for (const BudgetRecord& record : table.records) {
        fuzzCheck(std::isfinite(record.annualAmount) && std::isfinite(record.annualBudgeted),
                  "a record's figures are numbers");
        fuzzCheck(std::isfinite(record.paymentsPerYear) && record.paymentsPerYear > 0,
                  "payments per year are a positive number");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::optional<BudgetTables> opened = parseBudgetFile(fuzzBytes(data, size));
    if (!opened)
        return 0;
    checkTable(opened->income);
    checkTable(opened->expense);

    const QByteArray saved = budgetFileBytes(*opened);
    const std::optional<BudgetTables> reopened = parseBudgetFile(saved);
    fuzzCheck(reopened.has_value(), "a saved budget reopens", QString::fromUtf8(saved));
    fuzzCheck(budgetFileBytes(*reopened) == saved, "saving a reopened budget changes nothing",
              QString::fromUtf8(saved));
    return 0;
}
