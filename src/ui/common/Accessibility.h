#pragma once

#include <QString>

class QWidget;

namespace pennywell::ui {

// What a screen reader announces for a control: the caption of the label beside it, read as
// words (without the mnemonic marker and the blanks that lay the caption out on screen).
void nameAfterCaption(QWidget* control, const QString& caption);

} // namespace pennywell::ui
