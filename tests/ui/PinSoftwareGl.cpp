// Keeps the software OpenGL driver loaded until the process ends. The driver frees neither
// its screen nor its tiles when the display closes, and it is unloaded before the leak
// checker runs, so its allocations would be reported from an unnamed module that no
// suppression can name. Pinned, they keep the driver's name (see tests/lsan-suppressions.txt).
#include <dlfcn.h>

namespace {

const bool pinned = [] {
    return dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE) !=
           nullptr;
}();

} // namespace
