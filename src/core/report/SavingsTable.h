#pragma once

#include "core/report/Printout.h"
#include "core/savings/SavingsState.h"

namespace pennywell::report {

// The print job's name, and the name the table's exports are offered under.
inline const QString SavingsReportName = QStringLiteral("Investment Growth");

// The message of "To Printer" before anything was calculated (title "Help").
inline const QString SavingsNoDataText = QStringLiteral("No data to print. Calculate.");

// The printed savings table of a calculation: the six inputs, the years 1..resultCount of the
// growth table and its totals row. No pages when the header cancels the printout.
PrintedReport savingsTable(const SavingsState& savings, int resultCount,
                           const ReportOptions& options);

} // namespace pennywell::report
