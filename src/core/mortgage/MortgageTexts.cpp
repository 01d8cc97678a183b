#include "core/mortgage/MortgageTexts.h"

#include "core/format/NumberFormat.h"
#include "core/format/RightAlign.h"

namespace pennywell::mortgage {
namespace {

struct HelpItem {
    QStringView text;
    int lineBreaks;
};

const HelpItem mortgageHelp[] = {
    {u"Click on yellow box to change, start typing in numbers, deletes previous ones, then "
     u"'Calculate'. Results shown in white cells.  Read 'How to Use Programs' for details.",
     2},
    {u"100,000.00", 3},
    {u"       6.125", 4},
    {u"           25", 3},
    {u"Click down arrow to select different compound interest periods.", 1},
    {u"American = Monthly.  Canadian = Semi-Annual.", 2},
    {u"Click down arrow to select different payment frequencies.", 1},
    {u"Accelerated payments. 26 instead of 12 annual payments at half the monthly principal + "
     u"Interest. Mortgage retired earlier.",
     2},
    {u"Click 'View Payment Date' to show dates, toggles to 'View Payment No.' for numbers.", 2},
    {u"Click 'Additional Payments'. Type year number, amount of payment. 'OK' accepts all changes, "
     u"'Erase all' sets all cells to 0. Effects all calculations unless Amortization changed or "
     u"'Erase all'. Amounts added at start of that year to Principal Payment.",
     2},
    {u"Click 'Days in Year' to change the way interest is computed when used with all 'Frequency "
     u"and type of each payment' except Monthly and Semimonthly payments. Read 'How to use "
     u"Program' for explanation.",
     2},
    {u"Show payments. Click option to show All payments or just the Annual totals.", 2},
};

const HelpItem loanHelp[] = {
    {u"                          How to use for Car, Consumer or Personal loans.", 2},
    {u"10,000.00", 4},
    {u"      6.125", 4},
    {u"          60", 4},
    {u"Monthly.   Almost all Loans are based on monthly compounding.", 3},
    {u"Monthly.   Normally all Loans are based on one payment each month during the", 1},
    {u"               payback period.", 2},
    {u"Click 'View Payment Dates' to show dates, toggles to 'View Payment No.' for", 1},
    {u"        numbers.", 2},
    {u"Normally financial institutions do not allow Additional Payments. Use if allowed.", 2},
    {u"When using accelerated payments, change the Days in Year. Use if allowed.", 2},
    {u"Show Payments. Click option to show All payments or just the Annual totals.", 2},
};
template <std::size_t Count> QString joined(const HelpItem (&items)[Count]) {
    QString text;
    for (const HelpItem& item : items)
        text += item.text.toString() + QStringLiteral("\r\n").repeated(item.lineBreaks);
    return text;
}

} // namespace

ModeTexts modeTexts(Mode mode, const QString& currencySymbol) {
    if (mode == Mode::Loan) {
        return {QStringLiteral("Personal Loan Tables"),
                QStringLiteral(" Principal amount of    the loan."),
                QStringLiteral(" Annual interest          rate %."),
                QStringLiteral(" Payback period of     the loan in months."),
                QStringLiteral(" Total paid over   life of the loan."),
                QStringLiteral(" No. months to   final payment."),
                QStringLiteral("   ") + currencySymbol + QStringLiteral("20,000.00"),
                QStringLiteral("         10.125%"),
                QStringLiteral("            48"),
                {QStringLiteral("24"), QStringLiteral("36"), QStringLiteral("48"),
                 QStringLiteral("60")}};
    }
    return {QStringLiteral("Mortgage Tables"),
            QStringLiteral(" Principal amount of    mortgage."),
            QStringLiteral(" Annual interest          rate %"),
            QStringLiteral(" Amortization period    in years."),
            QStringLiteral(" Total paid over   life of mortgage"),
            QStringLiteral(" No. of years to  final payment."),
            QStringLiteral("   ") + currencySymbol + QStringLiteral("100,000.00"),
            QStringLiteral("        10.125%"),
            QStringLiteral("            25"),
            {QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")}};
}

const QStringList& rateList() {
    static const QStringList rates = {QStringLiteral("6 "), QStringLiteral("7 "),
                                      QStringLiteral("8 "), QStringLiteral("9 "),
                                      QStringLiteral("10 ")};
    return rates;
}

QString principalBoxText(const QString& currencySymbol, double principal) {
    return moneyText(currencySymbol, principal, u"####,,###.00", 16);
}

QString rateBoxText(double ratePercent) {
    return percentText(ratePercent, u"###.000", 14);
}

QString termBoxText(double term) {
    return RightAlign(formatNumber(term, u"###"), 16);
}

TermLimit termLimit(Mode mode) {
    if (mode == Mode::Loan)
        return {double(LoanMonthLimit), QStringLiteral("Wrong entry, 480 Month limit.")};
    return {double(MortgageYearLimit), QStringLiteral("Wrong entry, 40 Years limit.")};
}

PlannerMessage failureMessage(Failure failure, Mode mode) {
    if (failure == Failure::TermLimit)
        return {modeTexts(mode, QString()).caption, termLimit(Mode::Mortgage).message};
    return {QStringLiteral("Help"), QStringLiteral("Wrong entry, try again")};
}

QString quickHelpText(Mode mode) {
    return mode == Mode::Loan ? joined(loanHelp) : joined(mortgageHelp);
}

} // namespace pennywell::mortgage
