#pragma once

#include <thread>

namespace pennywell::ui {

// Reads the system's font configuration on a thread of its own while the display is being
// opened. Parsing the configuration files is about a third of the processor time before the
// menu is painted, and nothing needs a font until the first window is laid out, so on a
// machine with a second core the start no longer waits for most of it. Qt's own first use of
// the fonts then finds the configuration loaded.
class FontConfigAhead {
public:
    FontConfigAhead();
    ~FontConfigAhead() { wait(); }
    FontConfigAhead(const FontConfigAhead&) = delete;
    FontConfigAhead& operator=(const FontConfigAhead&) = delete;

    // Waits until the configuration is loaded; call it before the first window is made, so
    // that the fonts are never loaded twice at once.
    void wait();

private:
    std::thread reader_;
};

} // namespace pennywell::ui
