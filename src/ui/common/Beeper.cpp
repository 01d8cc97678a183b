#include "ui/common/Beeper.h"

#include <QApplication>

namespace pennywell::ui {

void SystemBeeper::beep() {
    QApplication::beep();
}

} // namespace pennywell::ui
