#pragma once

#include "common/HelpViewer.h"

#include <memory>

class QWidget;

namespace pennywell::ui {

class Beeper;
class HelpWindow;
class Messenger;

// The manual shown in the program's own help window. A page the program does not hold is
// reported through the messenger, and the program goes on.
class ManualViewer final : public HelpViewer {
public:
    ManualViewer(Messenger& messenger, Beeper& beeper);
    ~ManualViewer() override;

    void showPage(const QString& page) override;

    // The help window, once a page has been shown; null before.
    HelpWindow* window() const { return window_.get(); }

private:
    Messenger& messenger_;
    Beeper& beeper_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace pennywell::ui
