#include "common/MnemonicFocus.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>

namespace pennywell::ui {

void MnemonicFocus::install() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application->findChild<MnemonicFocus*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new MnemonicFocus(application));
}

bool MnemonicFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button && button->isEnabled() && button->focusPolicy() != Qt::NoFocus)
        button->setFocus(Qt::ShortcutFocusReason);
    return false;
}

} // namespace pennywell::ui
