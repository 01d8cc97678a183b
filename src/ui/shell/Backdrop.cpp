#include "ui/shell/Backdrop.h"

#include "core/state/ProgramName.h"
#include "ui/common/WindowPlacement.h"
#include "ui/shell/OutOfTaskbar.h"

#include <QCloseEvent>

namespace pennywell::ui {

Backdrop::Backdrop() {
    setObjectName(QStringLiteral("bakgnd"));
    setWindowTitle(ProgramName);
    placeAsMainWindow(this);
    setAttribute(Qt::WA_ShowWithoutActivating); // it stays behind the window being shown
    // One program, one task-bar entry: the menu's or the planner's, never the scenery's.
    keepOutOfTaskbar(*this);
}

void Backdrop::closeEvent(QCloseEvent* event) {
    event->ignore();
}

} // namespace pennywell::ui
