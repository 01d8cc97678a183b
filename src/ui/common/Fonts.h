#pragma once

#include <QFont>

namespace pennywell::ui {

// Input boxes, result boxes and grids: their right-justified texts only line up in a
// fixed-pitch font. The planners whose boxes and grids fill the window use 9 points. Each of
// these fonts grows with the forms (fontScale).
QFont fixedPitchFont(int pointSize = 10);

// A narrow face whose digits are all of one width, so right-aligned figures line up: for a grid
// that must show figures and descriptions side by side in little room.
QFont narrowFont(int pointSize);

// A narrow face for the long captions beside a planner's boxes.
QFont captionFont();

// The large serif title of the main menu.
QFont titleFont();

} // namespace pennywell::ui
