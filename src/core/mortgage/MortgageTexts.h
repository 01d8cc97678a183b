#pragma once

#include "core/mortgage/MortgageInputs.h"
#include "core/mortgage/MortgageResult.h"
#include "core/state/PlannerMessage.h"

#include <QString>
#include <QStringList>

namespace pennywell::mortgage {

// Captions and label texts that differ between the mortgage and the loan planner.
struct ModeTexts {
    QString caption;
    QString principalLabel; // Label1
    QString rateLabel;      // Label2
    QString termLabel;      // Label3
    QString totalPaidLabel; // Label8
    QString toFinalLabel;   // Label11
    QString principalText;  // the principal box when the window opens
    QString rateText;
    QString termText;
    QStringList termList;
};

ModeTexts modeTexts(Mode mode, const QString& currencySymbol);

// Captions of the result boxes, the same for mortgages and loans.
inline const QString PaymentLabel = QStringLiteral(" Principal+Interest  payment.");
inline const QString PaymentsPerYearLabel = QStringLiteral(" No. of payments  each year.");
inline const QString SavingsLabel = QStringLiteral(" Total interest    savings.");
inline const QString RateFactorLabel = QStringLiteral(" Interest rate  factor.");
inline const QString DaysInYearLabel = QStringLiteral(" Days      in year.");

const QStringList& rateList();

// Captions of the input labels, the same for mortgages and loans.
inline const QString CompoundingLabel = QStringLiteral(" Interest compound     periods per year.");
inline const QString FrequencyLabel = QStringLiteral(" Frequency and type   of each payment.");
inline const QString ShowPaymentsLabel = QStringLiteral(" Show payments.");
// The captions the date button switches between.
inline const QString ViewDateCaption = QStringLiteral("&View payment date");
inline const QString ViewNumberCaption = QStringLiteral("&View payment No.");

// The date dialog's caption and its refusal of a date it cannot read.
inline const QString FirstDateLabel = QStringLiteral(" Type in the date of   the first payment");
inline const QString DateEntryErrorTitle = QStringLiteral("Entry error");
inline const QString NotADate = QStringLiteral("Not a valid date, try again. ");

// "Show Graph" before anything was calculated (title "Advisory").
inline const QString NoGraphData = QStringLiteral("No Data to work with. Calculate.");

// The additional-payments dialog's refusals (title "Help").
inline const QString YearDoesNotExist = QStringLiteral(" Year number does not exist.");
inline const QString NoValidYear = QStringLiteral(" Must have a valid year number.");

// The boxes as rewritten when they are left after an edit.
QString principalBoxText(const QString& currencySymbol, double principal);
QString rateBoxText(double ratePercent);
QString termBoxText(double term);

// The term limit of the term box: the message when the typed value is over it, the limit
// itself, and the title of its message.
struct TermLimit {
    double limit;
    QString message;
};
TermLimit termLimit(Mode mode);

// The message of a refused calculation; the term-limit title is the window caption.
PlannerMessage failureMessage(Failure failure, Mode mode);

// The quick-help panel, its paragraphs joined by CR LF.
QString quickHelpText(Mode mode);

// The window's description, its view options and the buttons of its own.
inline const QString WindowDescription =
    QStringLiteral("The payment for a principal, rate and term, and the schedule of payments");
inline const QString AnnualViewCaption = QStringLiteral("Annual");
inline const QString AllViewCaption = QStringLiteral("All ");
inline const QString DaysInYearCaption = QStringLiteral("&Days in year");
inline const QString AdditionalPaymentCaption = QStringLiteral("&Additional payment");

// The days-in-year dialog.
inline const QString DaysInYearTitle = QStringLiteral("Accelerated payments");
inline const QString DaysInYearDescription =
    QStringLiteral("Days in a year for two-weekly and weekly payments");
inline const QString DaysInYearFrame = QStringLiteral(" Change interest rate factor - days ");
inline const QString DaysInYearNote = QStringLiteral("Most Financial Institutions use 365");

// The additional-payments dialog.
inline const QString PrePayTitle = QStringLiteral("Additional Payments");
inline const QString PrePayDescription =
    QStringLiteral("An additional payment for each year of the term");
inline const QString PrePayYearLabel = QStringLiteral("Year");
inline const QString PrePayAmountLabel = QStringLiteral("Amount");
inline const QString EraseAllCaption = QStringLiteral("&Erase all");
inline const QString PrePayYearHeading = QStringLiteral("Year Number");
inline const QString PrePayAmountHeading = QStringLiteral("Amount of Payment");

// The date dialog.
inline const QString DateInputTitle = QStringLiteral("Date Input");
inline const QString DateInputDescription = QStringLiteral("The date of the first payment");

} // namespace pennywell::mortgage
