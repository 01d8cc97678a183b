#pragma once

class QString;
class QTableView;

namespace pennywell::ui {

// Widens a grid column to hold the text whole at the grid's font (the cell's margins and the
// grid line included), taking the room from the donor column, so the columns still fill the
// grid however the desktop draws its fonts.
void widenToHold(QTableView* grid, int column, const QString& text, int donor);

} // namespace pennywell::ui
