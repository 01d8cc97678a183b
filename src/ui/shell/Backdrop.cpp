#include "shell/Backdrop.h"

#include "common/WindowPlacement.h"

#include <QCloseEvent>

namespace pennywell::ui {

Backdrop::Backdrop() {
    setObjectName(QStringLiteral("bakgnd"));
    setWindowTitle(QStringLiteral("Pennywell Win9"));
    placeAsMainWindow(this);
    setAttribute(Qt::WA_ShowWithoutActivating); // it stays behind the window being shown
}

void Backdrop::closeEvent(QCloseEvent* event) {
    event->ignore();
}

} // namespace pennywell::ui
