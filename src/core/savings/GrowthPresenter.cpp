#include "core/savings/GrowthPresenter.h"

#include "core/format/NumberFormat.h"

#include <algorithm>

namespace pennywell {
namespace {

constexpr int FreshGridRows = 25;

// Rows below the heading: the years, an empty row, the totals and an empty row, at the least the
// fresh grid's.
int rowsFor(int yearsShown) {
    return std::max(FreshGridRows, yearsShown + 4) - 1;
}

QList<QStringList> emptyRows(int count) {
    return QList<QStringList>(count, QStringList(GrowthGridColumns));
}

QString yearCell(Currency amount) {
    return formatNumber(amount.toDouble(), u"###,###.00"); // zero shows ".00"
}

QString totalCell(const QString& currencySymbol, Currency amount) {
    return currencySymbol + formatNumber(amount.toDouble(), u"####,,##0.00");
}

} // namespace

QStringList growthGridHeaders() {
    return {QStringLiteral(" Year Number"), QStringLiteral("     Annual       Investment"),
            QStringLiteral(" Interest/Growth  Compounded"),
            QStringLiteral("        Current          Value")};
}

GrowthGrid freshGrowthGrid() {
    return {growthGridHeaders(), emptyRows(FreshGridRows - 1)};
}

GrowthGrid presentGrowth(const GrowthResult& result, const QString& currencySymbol) {
    GrowthGrid grid{growthGridHeaders(), emptyRows(rowsFor(result.yearsShown))};
    if (result.outcome != GrowthOutcome::Calculated)
        return grid;
    for (int year = 1; year <= result.yearsShown; ++year) {
        const GrowthRow& row = result.table[std::size_t(year)];
        grid.rows[year - 1] = {QString::number(year), yearCell(row[2]), yearCell(row[3]),
                               yearCell(row[4])};
    }
    const GrowthRow& totals = result.table[std::size_t(result.yearsShown + 1)];
    grid.rows[result.yearsShown + 1] = {
        QStringLiteral("Total:"), totalCell(currencySymbol, totals[2]),
        totalCell(currencySymbol, totals[3]), totalCell(currencySymbol, totals[4])};
    return grid;
}

} // namespace pennywell
