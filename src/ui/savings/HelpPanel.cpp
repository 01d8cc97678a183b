#include "savings/HelpPanel.h"

#include "common/Beeper.h"

#include <QKeyEvent>

namespace pennywell::ui {

HelpPanel::HelpPanel(Beeper& beeper, QWidget* parent) : QPlainTextEdit(parent), beeper_(beeper) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setTabChangesFocus(true);
}

void HelpPanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QPlainTextEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    // Copying with Ctrl is harmless; every other key that would type is refused.
    if (!event->text().isEmpty() && !(event->modifiers() & Qt::ControlModifier)) {
        beeper_.beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace pennywell::ui
