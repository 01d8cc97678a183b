#pragma once

namespace pennywell::ui {

class Beeper;
class FileDialogs;
class Messenger;

// The people-facing effects a window may cause; real ones in the program, scripted in tests.
struct Services {
    Messenger& messenger;
    Beeper& beeper;
    FileDialogs& fileDialogs;
};

} // namespace pennywell::ui
