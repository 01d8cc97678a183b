#include "ui/printing/CupsLibrary.h"

#include <dlfcn.h>
#include <optional>

namespace pennywell::ui {
namespace {

template <typename Function> bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<CupsLibrary> load() {
    // Never unloaded: the spooler's library keeps threads and caches to the end of the process.
    void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_NODELETE);
    if (!library)
        return std::nullopt;
    CupsLibrary cups{};
    const bool complete = resolve(library, "cupsServer", cups.server) &&
                          resolve(library, "ippPort", cups.port) &&
                          resolve(library, "cupsEncryption", cups.encryption) &&
                          resolve(library, "httpConnect2", cups.connect) &&
                          resolve(library, "httpSetTimeout", cups.setTimeout) &&
                          resolve(library, "httpClose", cups.close) &&
                          resolve(library, "cupsGetNamedDest", cups.namedDestination) &&
                          resolve(library, "cupsFreeDests", cups.freeDestinations) &&
                          resolve(library, "cupsCopyDestInfo", cups.copyDestinationInfo) &&
                          resolve(library, "cupsGetDestMediaDefault", cups.mediaDefault) &&
                          resolve(library, "cupsFreeDestInfo", cups.freeDestinationInfo) &&
                          resolve(library, "cupsPrintFile2", cups.printFile) &&
                          resolve(library, "cupsLastErrorString", cups.lastErrorString);
    if (!complete)
        return std::nullopt;
    return cups;
}

} // namespace

const CupsLibrary* cupsLibrary() {
    static const std::optional<CupsLibrary> loaded = load();
    return loaded ? &*loaded : nullptr;
}

} // namespace pennywell::ui
