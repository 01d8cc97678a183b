#include "ui/common/MnemonicFocus.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QWidget>
#include <QWindow>

namespace pennywell::ui {

void MnemonicFocus::install() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application->findChild<MnemonicFocus*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new MnemonicFocus(application));
}

bool MnemonicFocus::mousePressed(QObject* watched, const QMouseEvent* mouse) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const QObject* window = widget->window()->windowHandle();
    // Presses whose window never handed them on are dropped.
    while (!pressesOnTheirWay_.isEmpty() && pressesOnTheirWay_.last().window != window)
        pressesOnTheirWay_.removeLast();
    if (pressesOnTheirWay_.isEmpty())
        return false;
    const bool modalWindowOpened =
        pressesOnTheirWay_.takeLast().modalWindowsOpened != modalWindowsOpened_;
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!modalWindowOpened || !button || mouse->button() != Qt::LeftButton)
        return false;
    if (button->isEnabled() && button->isVisible())
        button->click();
    return true;
}

bool MnemonicFocus::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Shortcut: {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || static_cast<QShortcutEvent*>(event)->isAmbiguous())
            return false;
        const QPointer<QAbstractButton> pressed(button);
        if (button->isEnabled() && button->focusPolicy() != Qt::NoFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        // Clicked now rather than after the button's usual short pressed look: a delayed click
        // lands wherever the program is by then, e.g. behind a dialog that the next key typed
        // ahead has opened, closing the window that dialog belongs to.
        if (pressed && pressed->isEnabled() && pressed->isVisible())
            pressed->click();
        return true;
    }
    case QEvent::MouseButtonPress:
        if (watched->isWindowType()) {
            pressesOnTheirWay_.append({watched, modalWindowsOpened_});
            return false;
        }
        return mousePressed(watched, static_cast<QMouseEvent*>(event));
    case QEvent::WindowBlocked:
        if (watched->isWindowType())
            ++modalWindowsOpened_;
        return false;
    default:
        return false;
    }
}

} // namespace pennywell::ui
