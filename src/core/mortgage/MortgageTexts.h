#pragma once

#include "core/mortgage/MortgageInputs.h"
#include "core/mortgage/MortgageResult.h"

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

// The message and title of a refused calculation; the term-limit title is the window caption.
struct FailureMessage {
    QString title;
    QString text;
};
FailureMessage failureMessage(Failure failure, Mode mode);

// The quick-help panel, its paragraphs joined by CR LF.
QString quickHelpText(Mode mode);

} // namespace pennywell::mortgage
