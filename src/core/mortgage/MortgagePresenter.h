#pragma once

#include "core/mortgage/MortgageInputs.h"
#include "core/mortgage/MortgageResult.h"

#include <QLocale>
#include <QString>
#include <array>
#include <vector>

namespace pennywell::mortgage {

// The texts of the result boxes, exactly as shown (empty while not calculated).
struct MortgageBoxes {
    QString InMonthPI;
    QString PeriodicR;
    QString NumPmtsYear;
    QString InDays;
    QString EndMortYear;
    QString AllPayments;
    QString TotSavd;
};

constexpr int GridColumns = 6;
using GridRow = std::array<QString, GridColumns>;

// The schedule grid below its heading row: every cell as displayed, "" for an empty cell.
struct MortgageGrid {
    GridRow headers;
    std::vector<GridRow> rows;
};

MortgageBoxes boxTexts(const MortgageResult& result, const QString& currencySymbol);

// The grid of a freshly opened window: its headings and 25 empty rows.
MortgageGrid freshGrid(Mode mode);

// How dates are written: for people in the form of the locale's date columns, for machines
// (iso) as yyyy-MM-dd.
class DateStyle {
public:
    DateStyle(const QLocale& locale = QLocale(), bool iso = false);

    QString text(const QDate& date) const;

private:
    QLocale locale_;
    QString format_; // empty: yyyy-MM-dd in ASCII digits, whatever the locale
};

// The grid after a calculation: the schedule, the "Total:" row and the additional payments,
// in as many rows as the grid is given.
MortgageGrid filledGrid(const MortgageResult& result, const QString& currencySymbol,
                        const DateStyle& dates = DateStyle());

// The additional payments applied, as a block of lines for the printout ("" when none).
QString extrasText(const MortgageResult& result);

} // namespace pennywell::mortgage
