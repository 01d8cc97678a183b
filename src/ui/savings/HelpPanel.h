#pragma once

#include <QPlainTextEdit>

namespace pennywell::ui {

class Beeper;

// A quick-help panel: it can be read and scrolled but not typed into; a typed key beeps and
// Enter hands the focus back to the window's first box.
class HelpPanel : public QPlainTextEdit {
    Q_OBJECT
public:
    HelpPanel(Beeper& beeper, QWidget* parent);

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Beeper& beeper_;
};

} // namespace pennywell::ui
