#pragma once

#include "core/state/SharedCaptions.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

namespace pennywell::ui {

class Beeper;

// A quick-help panel laid over a planner's results: it can be read, scrolled and copied from
// but not typed into; a typed key beeps. Enter moves to the window's first box where the
// window names one, and beeps like any other key where it does not.
class HelpPanel : public QPlainTextEdit {
    Q_OBJECT
public:
    HelpPanel(Beeper& beeper, QWidget* parent);

    void setEnterTarget(QWidget* target) { enterTarget_ = target; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Beeper& beeper_;
    QPointer<QWidget> enterTarget_;
};

} // namespace pennywell::ui
