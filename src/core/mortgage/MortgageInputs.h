#pragma once

#include "core/money/Currency.h"
#include "core/mortgage/DaysInYear.h"
#include "core/mortgage/PaymentFrequency.h"

#include <QDate>
#include <QString>
#include <array>

namespace pennywell::mortgage {

enum class Mode { Mortgage = 1, Loan = 2 }; // PlanKind
enum class View { Annual = 1, All = 2 };    // this window's ScreenMode

constexpr int MaximumPayments = 2100;
constexpr int LastExtraYear = 45;
constexpr int MortgageYearLimit = 40;
constexpr int LoanMonthLimit = 480;

// Additional payments by year: row y holds year y's number and amount (0 = none).
struct ExtraPayment {
    Currency year;
    Currency amount;
};
using ExtraPayments = std::array<ExtraPayment, LastExtraYear + 1>;

// The committed inputs: what the boxes, lists, options and dialogs hold when "Calculate" is
// pressed.
struct MortgageInputs {
    Mode mode = Mode::Mortgage;
    Currency principal;
    Currency ratePercent;
    // As typed: years for a mortgage, whole months for a loan (a loan's years are kept exact
    // rather than rounded to four decimals, so short loans pay off).
    Currency term;
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::Monthly;
    DaysInYearSetting days;
    View view = View::Annual;
    bool DateView = false; // payment dates shown instead of numbers
    QDate FirstPayDate;
    ExtraPayments extraPayments{};
    int ExtraCount = 0; // years given an additional payment, as counted by its dialog
};

// The term in years: the months divided by 12 exactly in loan mode.
double termYears(const MortgageInputs& inputs);

// The last year of a term (in whole years) that can take an additional payment.
int lastExtraPaymentYear(int termYears);

// The years of the term given an additional payment.
int extraPaymentYears(const ExtraPayments& payments, int termYears);

// The defaults a freshly opened window starts with.
MortgageInputs defaultInputs(Mode mode);

} // namespace pennywell::mortgage
