#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QVector>

class QWidget;

namespace pennywell::ui {

// What a control does with the room a form gains over its laid-out size: each share of the
// gained width and height moves it right or down, or widens or heightens it.
struct Growth {
    qreal moveRight = 0;
    qreal widen = 0;
    qreal moveDown = 0;
    qreal heighten = 0;
};
inline constexpr Growth TakesAllRoom{0, 1, 0, 1};
inline constexpr Growth StaysAtBottom{0, 0, 1, 0};

// A form that may be enlarged and maximised past its laid-out size, which stays its smallest:
// the controls given a growth take the gained room, the others stay where they were laid out.
class ResizableForm : public QObject {
public:
    // For a form whose controls are placed for `laidOut`; the form's own size is set by its
    // caller, no smaller than that.
    ResizableForm(QWidget* form, QSize laidOut);

    // The control's place now is its laid-out place.
    void follow(QWidget* control, Growth growth);
    // Every control placed directly on `parent` whose top is at `top` or lower.
    void followAllBelow(QWidget* parent, int top, Growth growth);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Follower {
        QWidget* control;
        QRect laidOut;
        Growth growth;
    };
    void place();

    QWidget* form_;
    QSize laidOut_;
    QVector<Follower> followers_;
};

} // namespace pennywell::ui
