#pragma once

#include "ui/common/HelpViewer.h"
#include "ui/common/Services.h"

#include <memory>

class QWidget;

namespace pennywell::ui {

class HelpWindow;

// The manual shown in the program's own help window, which prints its pages through the
// printer given. A page the program does not hold is reported through the messenger, and the
// program goes on.
class ManualViewer final : public HelpViewer {
public:
    ManualViewer(Messenger& messenger, Beeper& beeper, FileDialogs& fileDialogs, Printer& printer);
    ~ManualViewer() override;

    void showPage(const QString& page) override;

    // The help window, once a page has been shown; null before.
    HelpWindow* window() const { return window_.get(); }

private:
    Services services_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace pennywell::ui
