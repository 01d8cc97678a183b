#pragma once

class QWidget;

namespace pennywell::ui {

// The menu, the planners and the backdrop all take the same client rectangle.
void placeAsMainWindow(QWidget* window);

} // namespace pennywell::ui
