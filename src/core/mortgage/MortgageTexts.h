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

} // namespace pennywell::mortgage
