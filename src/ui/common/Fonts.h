#pragma once

#include <QFont>

namespace pennywell::ui {

// Input boxes, result boxes and grids: their right-justified texts only line up in a
// fixed-pitch font.
QFont fixedPitchFont();

// The large serif title of the main menu.
QFont titleFont();

} // namespace pennywell::ui
