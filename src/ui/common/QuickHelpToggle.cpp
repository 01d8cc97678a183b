#include "ui/common/QuickHelpToggle.h"

#include "core/format/LineBreaks.h"
#include "core/state/AppState.h"
#include "ui/common/HelpPanel.h"
#include "ui/common/TextGridModel.h"

#include <QPushButton>

namespace pennywell::ui {

QuickHelpToggle::QuickHelpToggle(AppState& state, const Parts& parts,
                                 std::function<void()> forgetResults, QObject* parent)
    : QObject(parent), state_(state), parts_(parts), forgetResults_(std::move(forgetResults)) {}

void QuickHelpToggle::clearResults() {
    state_.EditStarted = true;
    if (state_.HelpShown)
        return;
    parts_.panel->clear();
    parts_.cells->clearCells();
    forgetResults_();
    if (parts_.button->text() != CloseHelpCaption)
        return;
    showPanel(false);
    state_.EditStarted = false;
    state_.HelpShown = false;
}

void QuickHelpToggle::toggle(const QString& text) {
    state_.HelpShown = !state_.HelpShown;
    if (parts_.button->text() != QuickHelpCaption) {
        clearResults(); // also closes the panel
        return;
    }
    showPanel(true);
    parts_.panel->setFocus(Qt::OtherFocusReason);
    parts_.panel->setPlainText(lineFeedsOnly(text));
}

void QuickHelpToggle::showPanel(bool shown) {
    parts_.button->setText(shown ? CloseHelpCaption : QuickHelpCaption);
    for (QPushButton* button : parts_.needingResults)
        button->setEnabled(!shown);
    (shown ? parts_.results : parts_.panel)->hide();
    (shown ? parts_.panel : parts_.results)->show();
}

} // namespace pennywell::ui
