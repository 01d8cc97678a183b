#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QPushButton;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

class HelpPanel;
class TextGridModel;

// A planner's quick help in place of its results: "Quick &Help" lays the panel over the
// results and takes away the buttons that need them; "Close &Help" or the next edit brings the
// results' place back, empty. While the panel is open an edit leaves it open (HelpShown).
class QuickHelpToggle : public QObject {
public:
    struct Parts {
        QPushButton* button;
        HelpPanel* panel;
        QWidget* results; // the grid, hidden under the panel
        TextGridModel* cells;
        QList<QPushButton*> needingResults; // disabled while the panel is open
    };

    // `forgetResults` tells the planner its results are gone once the cells are emptied.
    QuickHelpToggle(AppState& state, const Parts& parts, std::function<void()> forgetResults,
                    QObject* parent);

    // An edit started: the results go, and the panel closes unless the user just opened it.
    void clearResults();
    // The help button: opens the panel showing `text` (its lines may end in CR LF), or closes it.
    void toggle(const QString& text);

private:
    void showPanel(bool shown);

    AppState& state_;
    Parts parts_;
    std::function<void()> forgetResults_;
};

} // namespace pennywell::ui
