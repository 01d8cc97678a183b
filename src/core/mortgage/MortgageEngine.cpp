#include "core/mortgage/MortgageEngine.h"

#include "core/mortgage/PaymentDates.h"
#include "core/mortgage/RateConversion.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace pennywell::mortgage {
namespace {

// Stores a value rounded to four decimals, half to even, as Currency::fromDouble does. The
// schedule stores thousands of values, so the common range is rounded inline: adding and
// subtracting 1.5 * 2^52 rounds to the nearest integer, ties to even, in double arithmetic.
bool store(double value, Currency& into) {
    const double scaled = value * Currency::UnitsPerWhole;
    constexpr double inlineLimit = 2251799813685248.0; // 2^51
    if (scaled > -inlineLimit && scaled < inlineLimit) {
        constexpr double roundingShift = 6755399441055744.0; // 1.5 * 2^52
        const double rounded = (scaled + roundingShift) - roundingShift;
        into = Currency::fromUnits(static_cast<std::int64_t>(rounded));
        return true;
    }
    const std::optional<Currency> rounded = Currency::fromDouble(value);
    if (!rounded)
        return false;
    into = *rounded;
    return true;
}

int loopBound(PaymentKind kind, double termYears) {
    switch (kind) {
    case PaymentKind::Monthly:
        return int(std::lround(12 * termYears));
    case PaymentKind::HalfMonthly:
    case PaymentKind::TwoWeekly:
        return int(std::lround(26 * termYears + 50));
    case PaymentKind::Weekly:
        return int(std::lround(52 * termYears + 50));
    }
    return 0;
}

// The last payment is only as large as what was owed: its principal becomes the balance
// before it. Before payment 1 that balance is the principal itself, not the empty row 0.
bool correctFinalPayment(std::vector<PayRow>& table, int n, Currency principal) {
    const PayRow& before = table[std::size_t(n - 1)];
    const Currency owed = n == 1 ? principal : before.balance;
    PayRow& last = table[std::size_t(n)];
    const auto cumulativeInterest = last.interest.plus(before.cumulativeInterest);
    const auto cumulativePrincipal = last.cumulativePrincipal.plus(last.balance);
    if (!cumulativeInterest || !cumulativePrincipal)
        return false;
    last.principal = owed;
    last.cumulativeInterest = *cumulativeInterest;
    last.cumulativePrincipal = *cumulativePrincipal;
    last.balance = Currency();
    return true;
}

// Replaces rows 1..years with annual totals, summed over payments 1..n only. A year's interest
// and principal are what its payments added to the cumulative columns: adding up the payments'
// parts, each rounded on its own, let a year's sum drift from its cumulative by a few
// ten-thousandths, so the first year's interest differed from its own cumulative interest.
bool summariseYears(MortgageResult& result, int years, const MortgageInputs& inputs) {
    const int n = result.paymentsMade;
    const int N = result.PaymentsPerYear;
    std::vector<PayRow> yearTable(std::size_t(years) + 1);
    const PayRow* endOfYearBefore = &yearTable[0];
    bool paidOff = false;
    for (int y = 1; y <= years && !paidOff; ++y) {
        PayRow& year = yearTable[std::size_t(y)];
        const int first = (y - 1) * N + 1;
        const int last = std::min(y * N, n);
        for (int j = first; j <= last; ++j) {
            const PayRow& payment = result.PayTable[std::size_t(j)];
            year.balance = payment.balance;
            year.cumulativeInterest = payment.cumulativeInterest;
            year.cumulativePrincipal = payment.cumulativePrincipal;
            if (payment.balance <= Currency()) {
                paidOff = true;
                break;
            }
        }
        if (first > last) // a year without payments stays empty
            continue;
        const auto interest = year.cumulativeInterest.minus(endOfYearBefore->cumulativeInterest);
        const auto principal = year.cumulativePrincipal.minus(endOfYearBefore->cumulativePrincipal);
        if (!interest || !principal)
            return false;
        year.interest = *interest;
        year.principal = *principal;
        endOfYearBefore = &year;
    }
    for (int y = 1; y <= years; ++y) {
        PayRow& row = result.PayTable[std::size_t(y)];
        const PayRow& year = yearTable[std::size_t(y)];
        row.number = Currency::fromWhole(y);
        if (inputs.DateView)
            row.date = yearDate(inputs.FirstPayDate, y);
        row.interest = year.interest;
        row.principal = year.principal;
        row.balance = year.balance;
        row.cumulativeInterest = year.cumulativeInterest;
        row.cumulativePrincipal = year.cumulativePrincipal;
    }
    return true;
}

MortgageResult failed(MortgageResult result, Failure failure) {
    result.failure = failure;
    result.PayTable.clear();
    result.listedExtras.clear();
    return result;
}

// The monthly rate and the rate per payment period, from the compounded annual rate.
bool findRates(MortgageResult& result, const CompoundedRate& rate,
               const PaymentFrequency& frequency) {
    const float monthlyRate = rate.monthlyRate();
    const double ratePerPeriod = rate.ratePerPeriod(frequency.periodsPerYear);
    if (!std::isfinite(monthlyRate) || !std::isfinite(ratePerPeriod))
        return false;
    result.monthlyRate = monthlyRate;
    result.ratePerPeriod = ratePerPeriod;
    result.progress = Progress::RateShown;
    return true;
}

// The monthly payment that pays the principal off over the term, the share of it paid each
// period, and what the monthly plan pays in all.
bool findPayment(MortgageResult& result, const CompoundedRate& rate,
                 const PaymentFrequency& frequency, double P, double T) {
    // A zero rate or term leaves nothing to discount: the payment would divide by zero.
    const double undiscounted = 1 - rate.wholeTermDiscount(T);
    if (!(undiscounted != 0) || !std::isfinite(undiscounted))
        return false;
    const double M = P * result.monthlyRate / undiscounted;
    const double p = M * frequency.paymentScale;
    const double S = M * 12 * T;
    if (!std::isfinite(M) || !std::isfinite(p) || !std::isfinite(S))
        return false;
    result.monthlyPayment = M;
    result.payment = p;
    result.scheduledTotal = S;
    result.PaymentsPerYear = frequency.PaymentsPerYear;
    result.progress = Progress::PaymentShown;
    return true;
}

// The balance owed and the parts of the next payment, carried from payment to payment.
struct Running {
    double B;      // balance
    double I;      // interest part of the next payment
    double Q;      // principal part of the next payment
    double CI = 0; // cumulative interest
    double CP = 0; // cumulative principal
    double previousPrincipal = 0;
};

// Year y's additional payment goes into the principal part of the year's first payment. One
// that would leave no more than the last principal part owing is skipped.
void addExtraPayment(MortgageResult& result, const ExtraPayments& extras, int y, Running& run) {
    const Currency E = y <= LastExtraYear ? extras[std::size_t(y)].amount : Currency();
    if (E > Currency() && E.toDouble() < run.B - run.previousPrincipal) {
        run.Q += E.toDouble();
        ++result.AppliedCount;
        result.listedExtras.push_back({y, E});
    }
}

bool storePayment(PayRow& row, int j, double interest, double principal, const Running& run) {
    row.number = Currency::fromWhole(j);
    return store(interest, row.interest) && store(principal, row.principal) &&
           store(run.B, row.balance) && store(run.CI, row.cumulativeInterest) &&
           store(run.CP, row.cumulativePrincipal);
}

// The schedule payment by payment, up to the payment that pays the balance off or the loop
// bound, the final payment trimmed to what was owed.
bool fillSchedule(MortgageResult& result, const MortgageInputs& inputs, int L) {
    const PaymentKind kind = result.kind;
    const int N = result.PaymentsPerYear;
    const double i =
        kind == PaymentKind::Monthly ? double(result.monthlyRate) : result.ratePerPeriod;
    const double p = result.payment;
    const bool datesShown = inputs.view == View::All && inputs.DateView;

    std::vector<PayRow>& table = result.PayTable;
    table.reserve(std::size_t(std::clamp(L, 0, MaximumPayments)) + 1);
    table.emplace_back();

    const double P = inputs.principal.toDouble();
    const double I = i * P;
    Running run{P, I, p - I};
    Currency yearNumber;
    int n = 0;
    int y = 0;
    int paymentOfYear = N; // counted rather than divided: the loop runs up to 2,100 times
    for (int j = 1; j <= L; ++j) {
        const bool firstOfYear = paymentOfYear == N;
        paymentOfYear = firstOfYear ? 1 : paymentOfYear + 1;
        if (firstOfYear)
            addExtraPayment(result, inputs.extraPayments, ++y, run);
        const double interest = run.I;
        const double principal = run.Q;
        run.B -= run.Q;
        run.I = i * run.B;
        run.Q = p - run.I;
        if (interest < 0) // the previous payment already paid the balance off
            break;
        if (j > MaximumPayments)
            return false;
        run.CI += interest;
        run.CP += principal;

        PayRow& row = table.emplace_back();
        if (!storePayment(row, j, interest, principal, run))
            return false;
        if (datesShown) {
            row.date = paymentDate(inputs.FirstPayDate, kind, j);
        } else if (inputs.view == View::All) {
            if (firstOfYear && !store(double(j) / N + 1, yearNumber))
                return false;
            row.yearNumber = yearNumber;
        }
        run.previousPrincipal = principal;
        n = j;
    }

    if (!std::isfinite(run.B))
        return false;
    if (run.B < 2 && n >= 1 && !correctFinalPayment(table, n, inputs.principal))
        return false;
    result.paymentsMade = n;
    result.YearsToFinal = double(n) / N;
    return true;
}

// The rows shown (annual totals or every payment), the total paid, the interest saved and
// the hand-off values for the printout and the graph.
bool findTotals(MortgageResult& result, const MortgageInputs& inputs) {
    const int years = result.scheduleYears();
    if (inputs.view == View::Annual) {
        if (!summariseYears(result, years, inputs))
            return false;
        result.RowCount = years;
    } else {
        result.RowCount = result.paymentsMade;
    }

    const PayRow& lastShown = result.PayTable[std::size_t(result.RowCount)];
    const auto totalPaid = lastShown.cumulativeInterest.plus(lastShown.cumulativePrincipal);
    if (!totalPaid)
        return false;
    result.totalPaid = totalPaid->toDouble();
    const double savings = result.scheduledTotal - result.totalPaid;
    result.interestSavings = savings < 10 ? 0 : savings;
    result.ExtraCount = inputs.ExtraCount;

    if (inputs.view == View::All)
        result.ResultCount = result.RowCount + 1;
    else // a loan shorter than half a year still has a year to print and graph
        result.ResultCount = std::max(1, int(std::nearbyint(result.YearsToFinal)));
    result.GraphTitle = inputs.mode == Mode::Mortgage
                            ? QStringLiteral("Mortgage balance at start of each Year")
                            : QStringLiteral("Personal Loan balance at start of each Year");
    return true;
}

} // namespace

MortgageResult calculateMortgage(const MortgageInputs& inputs) {
    MortgageResult result;
    result.mode = inputs.mode;
    result.view = inputs.view;
    result.DateView = inputs.DateView;

    const double T = termYears(inputs);
    const PaymentFrequency frequency = paymentFrequency(inputs.frequency, inputs.days);
    if (inputs.mode == Mode::Mortgage && T >= MortgageYearLimit + 1)
        return failed(std::move(result), Failure::TermLimit);
    result.kind = frequency.kind;
    result.DaysInYear = inputs.days.DaysInYear;

    const CompoundedRate rate =
        compoundedRate(inputs.ratePercent.toDouble(), compoundingPeriods(inputs.compounding));
    if (!findRates(result, rate, frequency) ||
        !findPayment(result, rate, frequency, inputs.principal.toDouble(), T) ||
        !fillSchedule(result, inputs, loopBound(result.kind, T)) || !findTotals(result, inputs))
        return failed(std::move(result), Failure::WrongEntry);
    result.progress = Progress::Complete;
    return result;
}

} // namespace pennywell::mortgage
