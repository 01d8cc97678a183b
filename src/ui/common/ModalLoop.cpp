#include "ui/common/ModalLoop.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
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

namespace {

// Marks the window as waiting for a loop for as long as it lives; a close asked for meanwhile
// is carried out after it, once the waiting code has finished with the window.
class WaitingWindow {
public:
    explicit WaitingWindow(QWidget* window) : window_(window) {
        if (window_)
            window_->setProperty(LoopsRunning, window_->property(LoopsRunning).toInt() + 1);
    }
    ~WaitingWindow() {
        if (!window_)
            return;
        const int stillRunning = window_->property(LoopsRunning).toInt() - 1;
        window_->setProperty(LoopsRunning, stillRunning);
        if (stillRunning == 0 && window_->property(CloseHeld).toBool()) {
            window_->setProperty(CloseHeld, false);
            QTimer::singleShot(0, window_, [window = window_] { window->close(); });
        }
    }
    WaitingWindow(const WaitingWindow&) = delete;
    WaitingWindow& operator=(const WaitingWindow&) = delete;

private:
    QPointer<QWidget> window_;
};

} // namespace

int ModalLoop::exec(QDialog& dialog) {
    const WaitingWindow waiting(dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr);
    return dialog.exec();
}

void ModalLoop::processEvents(QWidget& window) {
    const WaitingWindow waiting(window.window());
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
