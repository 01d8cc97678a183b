#include "common/ModalLoop.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QVariant>

namespace pennywell::ui {

namespace {

// Kept on the window itself, so nothing outlives it.
constexpr char LoopsRunning[] = "pennywellModalLoopsRunning";
constexpr char CloseHeld[] = "pennywellCloseHeld";

} // namespace

void ModalLoop::install() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application->findChild<ModalLoop*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new ModalLoop(application));
}

int ModalLoop::exec(QDialog& dialog) {
    const QPointer<QWidget> window =
        dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    if (window)
        window->setProperty(LoopsRunning, window->property(LoopsRunning).toInt() + 1);
    const int result = dialog.exec();
    if (!window)
        return result;
    const int stillRunning = window->property(LoopsRunning).toInt() - 1;
    window->setProperty(LoopsRunning, stillRunning);
    if (stillRunning == 0 && window->property(CloseHeld).toBool()) {
        window->setProperty(CloseHeld, false);
        // After the code waiting for this dialog has finished with its window.
        QTimer::singleShot(0, window, [window] { window->close(); });
    }
    return result;
}

bool ModalLoop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close || !watched->isWidgetType() ||
        watched->property(LoopsRunning).toInt() == 0)
        return false;
    watched->setProperty(CloseHeld, true);
    event->ignore();
    return true;
}

} // namespace pennywell::ui
