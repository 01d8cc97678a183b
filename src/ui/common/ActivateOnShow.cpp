#include "ui/common/ActivateOnShow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace pennywell::ui {
namespace {

bool isUserWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
           !widget->testAttribute(Qt::WA_ShowWithoutActivating);
}

} // namespace

void ActivateOnShow::install() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application->findChild<ActivateOnShow*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new ActivateOnShow(application));
}

bool ActivateOnShow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!isUserWindow(window))
        return false;
    // The show event comes before the platform window is mapped, and a desktop ignores a
    // request to activate a window it does not show yet: ask once the show has gone through.
    QTimer::singleShot(0, window, [window] {
        if (!window->isVisible())
            return;
        window->raise();
        window->activateWindow();
    });
    return false;
}

} // namespace pennywell::ui
