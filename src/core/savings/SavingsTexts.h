#pragma once

#include <QString>

namespace pennywell::savings_texts {

inline const QString HelpTitle = QStringLiteral("Help");
inline const QString AdvisoryTitle = QStringLiteral("Advisory");
// Leaving the years box with more than the limit.
inline const QString TermBoxLimit = QStringLiteral("Wrong entry, 50 year limit.");
// Calculating with more than the limit.
inline const QString TermCalculationLimit = QStringLiteral("Wrong entry, 50 Years limit.");
inline const QString WrongEntry = QStringLiteral("Wrong entry, try again");
inline const QString NoGraphData = QStringLiteral("No Data to work with. Calculate.");
inline const QString NoPrintData = QStringLiteral("No data to print. Calculate.");
inline const QString GraphTitle = QStringLiteral("Investment value at end of each Year");

} // namespace pennywell::savings_texts
