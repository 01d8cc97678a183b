#pragma once

#include <QSize>

class QWidget;

namespace pennywell::ui {

// The menu, the planners and the backdrop all take the same client rectangle.
// A planner that may grow (ResizableForm) keeps that size as its smallest; the others are fixed.
void placeAsMainWindow(QWidget* window);

// The size of that rectangle, the size the planners are laid out for.
QSize mainWindowSize();

} // namespace pennywell::ui
