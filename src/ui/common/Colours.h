#pragma once

class QWidget;

namespace pennywell::ui {

// The planners' boxes keep their own light colours whatever the desktop's theme, so each sets
// the dark text that reads on it as well: left to a dark theme, the text would be light on light.

// Input boxes (and lists) are light yellow, so the user sees at once where to type.
void showAsInputBox(QWidget* box);

// A figure the planner worked out stands on white.
void showAsResultBox(QWidget* box);

// The budget's totals and net balances stand on green; a negative net balance is dark red.
void showAsTotal(QWidget* label, bool negative = false);

} // namespace pennywell::ui
