#pragma once

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace pennywell::ui {

// A button of a planner's form, under the object name the tests look for; Enter presses it
// while it has the focus, as a click does.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& geometry = QRect());

// A box or list the user types figures into: light yellow, in the fixed-pitch font the
// figures line up in.
void showAsFigureInput(QWidget* box, int pointSize = 10);

} // namespace pennywell::ui
