#pragma once

#include "core/format/TableText.h"
#include "core/savings/GrowthCalculator.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pennywell {

inline constexpr int GrowthGridColumns = 4;

// The grid as displayed: the heading texts and every row below the heading.
struct GrowthGrid {
    QStringList headers;
    QList<QStringList> rows;
};

QStringList growthGridHeaders();

// The grid of a freshly opened window: 24 empty rows.
GrowthGrid freshGrowthGrid();

// The grid after a calculation: year rows, one empty row, the "Total:" row and empty rows up
// to the grid's size. A refused calculation leaves every cell empty.
GrowthGrid presentGrowth(const GrowthResult& result, const QString& currencySymbol);

} // namespace pennywell
