#pragma once

namespace pennywell::ui {

class Beeper;
class Messenger;

// The people-facing effects a window may cause; real ones in the program, scripted in tests.
struct Services {
    Messenger& messenger;
    Beeper& beeper;
};

} // namespace pennywell::ui
