#include "core/help/ManualPages.h"

#include "core/state/AppState.h"

#include <QHash>

namespace pennywell::help {

QString pageForWindow(const QString& windowName, int planKind) {
    if (windowName == QLatin1String("MortgageCalc"))
        return planKind == LoanPlan ? QStringLiteral("loans.html")
                                    : QStringLiteral("mortgage.html");
    static const QHash<QString, QString> pages{
        {QStringLiteral("MenuMain"), QStringLiteral("getting-started.html")},
        {QStringLiteral("bakgnd"), QStringLiteral("getting-started.html")},
        {QStringLiteral("ChangeFnt"), QStringLiteral("settings.html")},
        {QStringLiteral("MortPrePay"), QStringLiteral("additional-payments.html")},
        {QStringLiteral("MortIRFTable"), QStringLiteral("days-in-year.html")},
        {QStringLiteral("MortDateInput"), QStringLiteral("payment-dates.html")},
        {QStringLiteral("Budget"), QStringLiteral("budget.html")},
        {QStringLiteral("InRecNum"), QStringLiteral("budget.html#change-delete")},
        {QStringLiteral("FileDir"), QStringLiteral("budget-files.html")},
        {QStringLiteral("SavingsCalc"), QStringLiteral("savings.html")},
        {QStringLiteral("YearSaveCalc"), QStringLiteral("yearly.html")},
        {QStringLiteral("GraphsAll"), QStringLiteral("graphs.html")},
        {QStringLiteral("PrinterHeaderInput"), QStringLiteral("printing.html")},
        {QStringLiteral("HelpViewer"), QStringLiteral("using-the-manual.html")},
    };
    return pages.value(windowName);
}

QString manualFileOf(const QString& page) {
    return ManualRoot + page.section(QLatin1Char('#'), 0, 0);
}

QString manualMissingText(const QString& page) {
    return QStringLiteral("The manual page \"%1\" is not part of this copy of the program, so it "
                          "cannot be shown. Everything else works as before.")
        .arg(page);
}

} // namespace pennywell::help
