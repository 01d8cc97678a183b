#pragma once

#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace pennywell::ui {

// What a screen reader announces for a control: the caption of the label beside it, read as
// words (without the mnemonic marker and the blanks that lay the caption out on screen).
void nameAfterCaption(QWidget* control, const QString& caption);
// The same from the label beside the control, which also becomes the control's label for
// assistive tools that follow labels rather than names (they read a list's value as its name).
void nameAfterLabel(QWidget* control, QLabel* label);
// A figure shown in a label (a total) is announced by its name and read with the captions
// that stand for it on screen.
void labelledBy(QWidget* control, const QList<QLabel*>& labels);

// Windows, captions and lists as a screen reader should present them: a window as a frame,
// a caption as words, a list by its name with its entry as its value.
void installAccessibleInterfaces();

} // namespace pennywell::ui
