#include "ui/common/HelpPanel.h"

#include "ui/common/Beeper.h"

#include <QKeyEvent>

namespace pennywell::ui {

HelpPanel::HelpPanel(Beeper& beeper, QWidget* parent) : QPlainTextEdit(parent), beeper_(beeper) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setTabChangesFocus(true);
}

void HelpPanel::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && enterTarget_) {
        enterTarget_->setFocus(Qt::TabFocusReason);
        return;
    }
    const bool moves = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    // Keys that type nothing (arrows, page keys) and Ctrl shortcuts (copy) are harmless.
    const bool types = !event->text().isEmpty() && !(event->modifiers() & Qt::ControlModifier);
    if (!moves && types) {
        beeper_.beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace pennywell::ui
