#pragma once

#include "core/budget/BudgetPeriod.h"
#include "core/budget/BudgetRecord.h"

namespace pennywell {

// Puts the table into the chosen order with a Shell sort of halving gaps whose inner loop
// stops at the first pair in order, then renumbers 1..count. The method is not stable
// (records with equal keys may change places); stored budgets rely on this exact order.
void sortBudgetTable(BudgetTable& table, BudgetSortOrder order);

} // namespace pennywell
