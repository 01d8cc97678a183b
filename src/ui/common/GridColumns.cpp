#include "ui/common/GridColumns.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QTableView>
#include <cmath>

namespace pennywell::ui {

void widenToHold(QTableView* grid, int column, const QString& text, int donor) {
    const int margins =
        2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
    const int gridLine = grid->showGrid() ? 1 : 0;
    const int needed =
        int(std::ceil(QFontMetricsF(grid->font()).horizontalAdvance(text))) + margins + gridLine;
    const int shortfall = needed - grid->columnWidth(column);
    if (shortfall <= 0)
        return;
    grid->setColumnWidth(column, needed);
    grid->setColumnWidth(donor, grid->columnWidth(donor) - shortfall);
}

} // namespace pennywell::ui
