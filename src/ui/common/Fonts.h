#pragma once

#include <QFont>

class QWidget;

namespace pennywell::ui {

// Input boxes, result boxes and grids: their right-justified texts only line up in a
// fixed-pitch font. The planners whose boxes and grids fill the window use 9 points.
QFont fixedPitchFont(int pointSize = 10);

// A narrow face for the long captions beside a planner's boxes.
QFont captionFont();

// The large serif title of the main menu.
QFont titleFont();

// Input boxes are light yellow, so the user sees at once where to type.
void showAsInputBox(QWidget* box);

} // namespace pennywell::ui
