#pragma once

#include "core/money/Currency.h"
#include "core/mortgage/MortgageInputs.h"
#include "core/mortgage/PaymentFrequency.h"

#include <QDate>
#include <QString>
#include <cmath>
#include <vector>

namespace pennywell::mortgage {

// One row of the schedule table (one payment, or one year in the annual view). Amounts are
// stored rounded to four decimals.
struct PayRow {
    Currency yearNumber; // column 0: j / N + 1 at the first payment of each year
    Currency number;     // column 1: payment number, or the year in the annual view
    Currency interest;
    Currency principal; // including any additional payment
    Currency balance;
    Currency cumulativeInterest;
    Currency cumulativePrincipal;
    QDate date; // column 7, only while dates are shown
};

struct AppliedExtra {
    int year = 0;
    Currency amount;
};

enum class Failure {
    None,
    TermLimit,  // "Wrong entry, 40 Years limit."
    WrongEntry, // "Wrong entry, try again"
};

// How far a calculation got before it failed: what it had already shown stays shown.
enum class Progress {
    Nothing,
    RateShown,    // the rate per payment period
    PaymentShown, // also the payment, payments per year and days in year
    Complete,
};

struct MortgageResult {
    Failure failure = Failure::None;
    Progress progress = Progress::Nothing;
    Mode mode = Mode::Mortgage;
    View view = View::Annual;
    bool DateView = false;

    PaymentKind kind = PaymentKind::Monthly;
    double DaysInYear = 365;
    int PaymentsPerYear = 0;   // N
    float monthlyRate = 0;     // i_m
    double ratePerPeriod = 0;  // i_f, shown as the interest rate factor
    double monthlyPayment = 0; // M
    double payment = 0;        // p, paid each period
    double scheduledTotal = 0; // S: the monthly plan's total without additional payments

    int paymentsMade = 0; // n
    double YearsToFinal = 0;
    int RowCount = 0; // rows of the schedule shown
    // Row 0 is all zero; rows 1..RowCount are shown. In the annual view rows past RowCount
    // still hold the payments the years were summed from.
    std::vector<PayRow> PayTable;
    double totalPaid = 0;
    double interestSavings = 0; // below 10 counts as none
    int AppliedCount = 0;       // A: additional payments applied
    std::vector<AppliedExtra> listedExtras;
    int ExtraCount = 0; // years given an additional payment when calculated

    // The additional-payments block is shown below the schedule.
    bool extrasListed() const { return ExtraCount > 0; }
    QString GraphTitle;
    int ResultCount = 0; // 0 until a calculation succeeds

    bool succeeded() const { return failure == Failure::None; }

    // The years the schedule spans: a part year at the end counts as a whole one once it is more
    // than about a hundredth of a year.
    int scheduleYears() const { return int(std::nearbyint(YearsToFinal + 0.49)); }
    // The time to the final payment as the planner counts its term: months for a loan.
    double timeToFinal() const { return mode == Mode::Loan ? YearsToFinal * 12 : YearsToFinal; }
};

} // namespace pennywell::mortgage
