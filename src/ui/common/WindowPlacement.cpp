#include "ui/common/WindowPlacement.h"

#include "ui/common/Twips.h"

#include <QWidget>

namespace pennywell::ui {
namespace {

QRect mainWindowRect() {
    return twipsRect(60, 345, 9480, 6360);
}

} // namespace

QSize mainWindowSize() {
    return mainWindowRect().size();
}

void placeAsMainWindow(QWidget* window) {
    window->setGeometry(mainWindowRect());
    // A planner that may grow has its smallest size already; the menu and backdrop do not.
    if (window->minimumSize() != window->size())
        window->setFixedSize(window->size());
}

} // namespace pennywell::ui
