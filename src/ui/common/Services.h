#pragma once

namespace pennywell::ui {

class Beeper;
class FileDialogs;
class HelpViewer;
class Messenger;
class Printer;

// The people-facing effects a window may cause; real ones in the program, scripted in tests.
struct Services {
    Messenger& messenger;
    Beeper& beeper;
    FileDialogs& fileDialogs;
    Printer& printer;
    HelpViewer& helpViewer;
};

} // namespace pennywell::ui
