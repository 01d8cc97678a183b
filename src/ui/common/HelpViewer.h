#pragma once

#include <QString>

namespace pennywell::ui {

// Shows the manual at one of its pages, beside the program: the caller does not wait.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showPage(const QString& page) = 0;
};

} // namespace pennywell::ui
