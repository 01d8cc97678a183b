#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace pennywell::ui {

// A figure wider than its field is shown whole, never cut or scrolled out of sight. A box or
// result whose text is wider than it shows the text in its own font made just as much smaller
// as it must be, and at full size again once the text fits. A font set on the box later is
// taken as its new full size.
void keepTextWhole(QLineEdit* box);
void keepTextWhole(QComboBox* box);
void keepTextWhole(QLabel* result);

// A grid's columns widen to their widest cell, in the cell's own font. The yielding column, if
// any (free text that ends in an ellipsis and shows whole as its tooltip), narrows by as much,
// down to half its width, so the grid keeps its width. Beyond that the grid's font is made
// smaller, down to 8 points, until the columns fit the grid again, and failing that the grid
// scrolls sideways. Widths and fonts set on the grid later are taken as its own.
void keepCellsWhole(QTableView* grid, int yieldingColumn = -1);

} // namespace pennywell::ui
