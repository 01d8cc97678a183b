#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

namespace pennywell::ui {

class Beeper;

// The captions of the button that opens a planner's quick-help panel and closes it again.
inline const QString QuickHelpCaption = QStringLiteral("Quick &Help");
inline const QString CloseHelpCaption = QStringLiteral("Close &Help");

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
