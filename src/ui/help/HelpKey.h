#pragma once

#include <QObject>

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

class HelpViewer;

// F1 anywhere in the program opens the manual at the page of the window that has the keys:
// one filter on the whole application, so every window, dialog and message box gets it.
class HelpKey : public QObject {
    Q_OBJECT
public:
    HelpKey(const AppState& state, HelpViewer& viewer, QObject* parent);

    // Installs the filter on the running application.
    static HelpKey* install(const AppState& state, HelpViewer& viewer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString pageFor(QWidget* window) const;

    const AppState& state_;
    HelpViewer& viewer_;
};

} // namespace pennywell::ui
