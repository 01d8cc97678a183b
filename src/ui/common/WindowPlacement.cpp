#include "common/WindowPlacement.h"

#include "common/Twips.h"

#include <QWidget>

namespace pennywell::ui {

void placeAsMainWindow(QWidget* window) {
    window->setGeometry(twipsRect(60, 345, 9480, 6360));
    window->setFixedSize(window->size());
}

} // namespace pennywell::ui
