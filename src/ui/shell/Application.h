#pragma once

#include "core/state/AppState.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Beeper.h"
#include "ui/common/QtFileDialogs.h"
#include "ui/common/QtMessenger.h"
#include "ui/common/Services.h"
#include "ui/help/ManualViewer.h"
#include "ui/printing/SpoolerPrinter.h"
#include "ui/shell/Backdrop.h"
#include "ui/shell/MenuMain.h"

#include <QDate>

namespace pennywell::ui {

// Gives the menu a factory for each planner's window, on the given state and services.
void registerPlanners(MenuMain& menu, AppState& state, Services& services);

// Owns the program-wide state, the real people-facing services and the windows that live for
// the whole run, and starts them in the documented order.
class Application {
public:
    Application();

    // Makes the folder current, loads the settings, shows the backdrop, sets the first
    // payment date to today and shows the menu; given a budget file, opens the budget planner
    // with it.
    void start(const QString& programFolder, const QDate& today,
               const QString& budgetFile = QString());

    AppState& state() { return state_; }
    MenuMain& menu() { return menu_; }

private:
    // Qt keeps the interface it first made for a window, already while the window is being
    // built, so ours are installed before the windows below are made.
    struct AccessibleInterfacesFirst {
        AccessibleInterfacesFirst() { installAccessibleInterfaces(); }
    } accessibleInterfaces_;
    AppState state_;
    QtMessenger messenger_;
    SystemBeeper beeper_;
    QtFileDialogs fileDialogs_;
    SpoolerPrinter printer_;
    ManualViewer manualViewer_{messenger_, beeper_, fileDialogs_, printer_};
    Services services_{messenger_, beeper_, fileDialogs_, printer_, manualViewer_};
    Backdrop backdrop_;
    MenuMain menu_{state_, services_};
};

} // namespace pennywell::ui
