#include "ui/shell/SessionBus.h"

#include <sys/stat.h>

namespace pennywell::ui {
namespace {

const char AddressVariable[] = "DBUS_SESSION_BUS_ADDRESS";

} // namespace

bool sessionBusExists() {
    if (!qEnvironmentVariableIsEmpty(AddressVariable))
        return true;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat bus {};
    return !runtime.isEmpty() && stat((runtime + "/bus").constData(), &bus) == 0 &&
           S_ISSOCK(bus.st_mode);
}

NoSessionBusLaunch::NoSessionBusLaunch() {
    if (sessionBusExists())
        return;
    // An address of a kind the library does not know: it fails at once and launches nothing.
    told_ = qputenv(AddressVariable, "disabled:");
}

void NoSessionBusLaunch::restore() {
    if (told_)
        qunsetenv(AddressVariable);
    told_ = false;
}

} // namespace pennywell::ui
