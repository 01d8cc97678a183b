#pragma once

#include "core/budget/BudgetRecord.h"

#include <QStringList>

namespace pennywell::testing {

inline BudgetRecord budgetRecord(const QString& description, double annualAmount,
                                 double paymentsPerYear = 12, double annualBudgeted = 0) {
    return {0, description, annualAmount, paymentsPerYear, annualBudgeted};
}

inline QStringList descriptionsOf(const BudgetTable& table) {
    QStringList descriptions;
    for (const BudgetRecord& record : table.records)
        descriptions.append(record.description);
    return descriptions;
}

} // namespace pennywell::testing
