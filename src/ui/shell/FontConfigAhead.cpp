#include "ui/shell/FontConfigAhead.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace pennywell::ui {

FontConfigAhead::FontConfigAhead() {
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration itself when it needs the fonts.
    }
}

void FontConfigAhead::wait() {
    if (reader_.joinable())
        reader_.join();
}

} // namespace pennywell::ui
