#pragma once

class QWidget;

namespace pennywell::ui {

// Asks the desktop to leave a top-level window out of its task bar, pager and window switcher,
// for a window that is only scenery behind the others. Call it before the window is first
// shown: the desktop reads the request when the window appears. Only X11 desktops take such a
// request from a program; elsewhere nothing changes.
void keepOutOfTaskbar(QWidget& window);

} // namespace pennywell::ui
