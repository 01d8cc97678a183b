#include "ui/help/ManualViewer.h"

#include "core/help/ManualPages.h"
#include "ui/common/Messenger.h"
#include "ui/help/HelpWindow.h"

#include <QApplication>
#include <QFile>

namespace pennywell::ui {

ManualViewer::ManualViewer(Messenger& messenger, Beeper& beeper, FileDialogs& fileDialogs,
                           Printer& printer)
    : services_{messenger, beeper, fileDialogs, printer, *this} {}

ManualViewer::~ManualViewer() = default;

void ManualViewer::showPage(const QString& page) {
    if (!QFile::exists(help::manualFileOf(page))) {
        services_.messenger.show(QApplication::activeWindow(),
                                 Message{help::manualMissingText(page), help::ManualMissingTitle,
                                         MessageButtons::Ok, MessageIcon::Warning});
        return;
    }
    if (!window_)
        window_ = std::make_unique<HelpWindow>(services_);
    window_->present(page);
}

} // namespace pennywell::ui
