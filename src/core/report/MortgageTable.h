#pragma once

#include "core/mortgage/MortgageInputs.h"
#include "core/mortgage/MortgagePresenter.h"
#include "core/mortgage/MortgageResult.h"
#include "core/report/Printout.h"

namespace pennywell::report {

// The print job's name.
inline QString mortgageReportName(mortgage::Mode mode) {
    return mode == mortgage::Mode::Loan ? QStringLiteral("Personal Loan Table")
                                        : QStringLiteral("Mortgage Table");
}

// The message of "To Printer" before anything was calculated (title "Help").
inline const QString MortgageNoDataText = QStringLiteral(" No data to Print. Calculate.");

// The printed mortgage or personal-loan table of a calculation: the header block with the
// inputs and results, the schedule as the grid shows it, its totals and the additional
// payments applied. The rows printed are the planner's own result count; nothing the graph
// screen does changes them. No pages when the header cancels the printout.
PrintedReport mortgageTable(const mortgage::MortgageInputs& inputs,
                            const mortgage::MortgageResult& result, const ReportOptions& options,
                            const mortgage::DateStyle& dates = mortgage::DateStyle());

} // namespace pennywell::report
