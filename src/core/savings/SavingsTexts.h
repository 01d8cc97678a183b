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

// Captions beside the savings boxes; the runs of blanks wrap them inside their label boxes.
inline const QString LumpSumLabel = QStringLiteral(" Amount of  Lump Sum      Invested at Start.");
inline const QString AnnualAmountLabel = QStringLiteral(" Annual Amount Invested   each Year.");
inline const QString IncreaseLabel =
    QStringLiteral(" Increase the annual         Investment rate(%) by");
inline const QString RateLabel = QStringLiteral(" Annual Interest/Growth     Rate (%).");
inline const QString InflationLabel =
    QStringLiteral(" Adjust for Annual             Inflation Rate (%).     ");
inline const QString TermLabel = QStringLiteral(" Time in Years.");

// Below the years box; its last line, "each:", reads on to the Year button beside it.
inline const QString YearButtonLabel =
    QStringLiteral(" Calculate for Amounts      Invested throughout         each:");

// Captions of the yearly dialog.
inline const QString DepositLabel = QStringLiteral(" Amount of each Investment");
inline const QString YearlyRateLabel = QStringLiteral(" Annual Interest/Growth (%)");
inline const QString FrequencyLabel = QStringLiteral("       Invested");
inline const QString YearlyResultLabel = QStringLiteral(" Amount at end of Year");

inline const QString WindowCaption = QStringLiteral("Investment Growth Calculations");
inline const QString WindowDescription =
    QStringLiteral("A lump sum and yearly investments projected year by year");
inline const QString YearCaption = QStringLiteral("&Year");
inline const QString YearlyCaption = QStringLiteral("Investments made during each Year");
inline const QString YearlyDescription =
    QStringLiteral("What regular investments made during a year are worth at its end");
inline const QString InsertCaption = QStringLiteral("&Insert");

} // namespace pennywell::savings_texts
