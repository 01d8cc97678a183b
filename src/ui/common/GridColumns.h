#pragma once

class QString;
class QTableView;

namespace pennywell::ui {

// Widens a grid column to hold the text whole at the grid's font (the cell's margins and the
// grid line included), taking the room from the donor column, so the columns still fill the
// grid however the desktop draws its fonts.
void widenToHold(QTableView* grid, int column, const QString& text, int donor);

// A grid made wider than it is now (its window enlarged) gives the width it gains to its
// columns, in proportion to their widths now, or all of it to `takingColumn` when one is
// given; back at this width every column has its width of now again.
void shareGainedWidth(QTableView* grid, int takingColumn = -1);

} // namespace pennywell::ui
