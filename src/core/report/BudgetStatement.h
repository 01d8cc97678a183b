#pragma once

#include "core/budget/BudgetPeriod.h"
#include "core/budget/BudgetRecord.h"
#include "core/report/Printout.h"

namespace pennywell::report {

// The print job's name.
inline const QString BudgetReportName = QStringLiteral("Budget Statement");

// The message of "To Printer" while both tables are empty (title "Help").
inline const QString BudgetNoDataText = QStringLiteral("No data to print.");

// The printed budget statement: both tables in their current order, their totals and the net
// balances, every figure for the display period as the screen shows it. No pages when the
// header cancels the printout.
PrintedReport budgetStatement(const BudgetTables& tables, const BudgetPeriod& period,
                              const ReportOptions& options);

} // namespace pennywell::report
