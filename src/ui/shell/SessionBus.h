#pragma once

#include <QByteArray>

namespace pennywell::ui {

// Qt's accessibility support looks for assistive technologies on the desktop's session bus
// when the first window shows. Started outside a desktop session there is no such bus, and
// asking for it makes the D-Bus library start a bus of its own, whose helper outlives the
// program. With no session bus there is no assistive technology to find either, so for the
// start the library is told there is none; children started later get the environment back.
class NoSessionBusLaunch {
public:
    NoSessionBusLaunch();
    ~NoSessionBusLaunch() { restore(); }
    NoSessionBusLaunch(const NoSessionBusLaunch&) = delete;
    NoSessionBusLaunch& operator=(const NoSessionBusLaunch&) = delete;

    // Gives the environment back; call it once the first window has been shown.
    void restore();

private:
    bool told_ = false;
};

// Whether a session bus is there to be reached: named in the environment, or the user's bus
// in the runtime folder.
bool sessionBusExists();

} // namespace pennywell::ui
