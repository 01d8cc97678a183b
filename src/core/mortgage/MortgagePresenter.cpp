#include "core/mortgage/MortgagePresenter.h"

#include "core/format/NumberFormat.h"
#include "core/format/RightAlign.h"
#include "core/mortgage/PaymentDates.h"

#include <algorithm>
#include <cmath>

namespace pennywell::mortgage {
namespace {

constexpr int BoxWidth = 12;
constexpr int FreshGridRows = 26;
constexpr int MinimumGridRows = 23;
const QString MoneyPattern = QStringLiteral("####,,###.00");
const QString LineBreak = QStringLiteral("\r\n");

QString wholeNumber(double value, QStringView pattern, int width) {
    return RightAlign(formatNumber(value, pattern), width);
}

QString daysInYearText(const MortgageResult& result) {
    if (result.kind == PaymentKind::Monthly || result.kind == PaymentKind::HalfMonthly)
        return QStringLiteral("Normal");
    const bool quarterDay = result.DaysInYear != std::floor(result.DaysInYear);
    return formatNumber(result.DaysInYear, quarterDay ? u"###.##" : u"###");
}

GridRow headings(const QString& firstColumn) {
    return {firstColumn,
            QStringLiteral("Interest Payment"),
            QStringLiteral("Principal Payment"),
            QStringLiteral("Remaining Balance"),
            QStringLiteral("Cumulative Interest"),
            QStringLiteral("Cumulative Principal")};
}

// Column 0's heading for a calculation shown in this view.
QString firstColumnHeading(View view, bool DateView) {
    if (view == View::Annual)
        return QStringLiteral(" Payment  Year");
    if (DateView)
        return QStringLiteral(" Payment  Date");
    return QStringLiteral("  Payment   No.  Year");
}

// Rows of the grid including its heading row, as the grid is sized after a calculation.
int gridRows(const MortgageResult& result) {
    int rows = result.RowCount + 4;
    if (result.extrasListed()) {
        rows += result.ExtraCount + 4;
        // Room for every listed payment, even when fewer years were counted than applied.
        rows = std::max(rows, result.RowCount + 8 + int(result.listedExtras.size()));
    }
    return std::max(rows, MinimumGridRows);
}

QString firstColumnCell(const MortgageResult& result, const PayRow& row, const DateStyle& dates) {
    if (result.DateView)
        return dates.text(row.date);
    if (result.view == View::Annual)
        return wholeNumber(row.number.toDouble(), u"####", 4);
    return wholeNumber(row.number.toDouble(), u"####", 4) +
           wholeNumber(row.yearNumber.toDouble(), u"###", 8);
}

} // namespace

MortgageBoxes boxTexts(const MortgageResult& result, const QString& currencySymbol) {
    MortgageBoxes boxes;
    if (result.progress >= Progress::RateShown)
        boxes.PeriodicR = formatNumber(result.ratePerPeriod, u"0.########");
    if (result.progress >= Progress::PaymentShown) {
        boxes.InMonthPI = moneyText(currencySymbol, result.payment, u"###,,###.00", BoxWidth);
        boxes.NumPmtsYear = wholeNumber(result.PaymentsPerYear, u"###", BoxWidth);
        boxes.InDays = daysInYearText(result);
    }
    if (result.progress == Progress::Complete) {
        boxes.EndMortYear = wholeNumber(result.timeToFinal(), u"###.00", BoxWidth);
        boxes.AllPayments = moneyText(currencySymbol, result.totalPaid, u"###,,###.00", BoxWidth);
        boxes.TotSavd = moneyText(currencySymbol, result.interestSavings, u"###,,###.00", BoxWidth);
    }
    return boxes;
}

MortgageGrid freshGrid(Mode mode) {
    MortgageGrid grid;
    grid.headers = headings(mode == Mode::Loan ? QStringLiteral(" Year Number")
                                               : QStringLiteral("  Payment   No.  Year"));
    grid.rows.resize(FreshGridRows - 1);
    return grid;
}

MortgageGrid filledGrid(const MortgageResult& result, const QString& currencySymbol,
                        const DateStyle& dates) {
    MortgageGrid grid;
    grid.headers = headings(firstColumnHeading(result.view, result.DateView));
    grid.rows.resize(std::size_t(gridRows(result)) - 1);
    const auto cell = [&grid](int row, int column) -> QString& {
        return grid.rows[std::size_t(row - 1)][std::size_t(column)];
    };

    for (int r = 1; r <= result.RowCount; ++r) {
        const PayRow& row = result.PayTable[std::size_t(r)];
        cell(r, 0) = firstColumnCell(result, row, dates);
        cell(r, 1) = formatNumber(row.interest.toDouble(), MoneyPattern);
        cell(r, 2) = formatNumber(row.principal.toDouble(), MoneyPattern);
        cell(r, 3) = formatNumber(row.balance.toDouble(), MoneyPattern);
        cell(r, 4) = formatNumber(row.cumulativeInterest.toDouble(), MoneyPattern);
        cell(r, 5) = formatNumber(row.cumulativePrincipal.toDouble(), MoneyPattern);
    }

    const PayRow& last = result.PayTable[std::size_t(result.RowCount)];
    const int totalRow = result.RowCount + 2;
    cell(totalRow, 0) = QStringLiteral("Total:");
    cell(totalRow, 3) = currencySymbol + formatNumber(last.balance.toDouble(), MoneyPattern);
    cell(totalRow, 4) =
        currencySymbol + formatNumber(last.cumulativeInterest.toDouble(), MoneyPattern);
    cell(totalRow, 5) =
        currencySymbol + formatNumber(last.cumulativePrincipal.toDouble(), MoneyPattern);

    if (result.extrasListed()) {
        const int headingRow = result.RowCount + 6;
        cell(headingRow, 0) = QStringLiteral("Additional ");
        cell(headingRow, 1) = QStringLiteral("Payments  ");
        cell(headingRow, 2) = QStringLiteral("Applied  ");
        int r = result.RowCount + 8;
        for (const AppliedExtra& extra : result.listedExtras) {
            cell(r, 0) = QStringLiteral("Year  ") + wholeNumber(extra.year, u"###", 3);
            cell(r, 2) = formatNumber(extra.amount.toDouble(), u"###,,###.00");
            ++r;
        }
    }
    return grid;
}

QString extrasText(const MortgageResult& result) {
    if (!result.succeeded() || !result.extrasListed())
        return QString();
    QString text = QStringLiteral("Additional  Payments     Applied") + LineBreak + LineBreak;
    for (const AppliedExtra& extra : result.listedExtras) {
        text += QStringLiteral(" Year   ") + wholeNumber(extra.year, u"###", 3) +
                QString(10, u' ') +
                RightAlign(formatNumber(extra.amount.toDouble(), u"###,,###.00"), 12) + LineBreak;
    }
    return text;
}

DateStyle::DateStyle(const QLocale& locale, bool iso)
    : locale_(locale), format_(iso ? QString() : columnDateFormat(locale)) {}

QString DateStyle::text(const QDate& date) const {
    return format_.isEmpty() ? date.toString(Qt::ISODate) : locale_.toString(date, format_);
}

} // namespace pennywell::mortgage
