#include "ui/help/HelpKey.h"

#include "core/help/ManualPages.h"
#include "core/state/AppState.h"
#include "ui/common/HelpViewer.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QWidget>

namespace pennywell::ui {

HelpKey::HelpKey(const AppState& state, HelpViewer& viewer, QObject* parent)
    : QObject(parent), state_(state), viewer_(viewer) {}

HelpKey* HelpKey::install(const AppState& state, HelpViewer& viewer) {
    QCoreApplication* application = QCoreApplication::instance();
    auto* filter = new HelpKey(state, viewer, application);
    application->installEventFilter(filter);
    return filter;
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !watched->isWidgetType())
        return false;
    viewer_.showPage(pageFor(static_cast<QWidget*>(watched)->window()));
    return true;
}

QString HelpKey::pageFor(QWidget* window) const {
    // A message box or a file dialog is explained with the window it belongs to.
    for (QWidget* candidate = window; candidate;
         candidate = candidate->parentWidget() ? candidate->parentWidget()->window() : nullptr) {
        const QString name = qobject_cast<QFileDialog*>(candidate) ? QStringLiteral("FileDir")
                                                                   : candidate->objectName();
        const QString page = help::pageForWindow(name, state_.PlanKind);
        if (!page.isEmpty())
            return page;
    }
    return help::ContentsPage;
}

} // namespace pennywell::ui
