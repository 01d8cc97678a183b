#include "ui/common/ResizableForm.h"

#include <QEvent>
#include <QWidget>
#include <QtMath>

namespace pennywell::ui {

ResizableForm::ResizableForm(QWidget* form, QSize laidOut)
    : QObject(form), form_(form), laidOut_(laidOut) {
    form->setMinimumSize(laidOut);
    form->installEventFilter(this);
}

void ResizableForm::follow(QWidget* control, Growth growth) {
    followers_.append({control, control->geometry(), growth});
}

void ResizableForm::followAllBelow(QWidget* parent, int top, Growth growth) {
    for (QWidget* control : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->geometry().top() >= top)
            follow(control, growth);
    }
}

bool ResizableForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && event->type() == QEvent::Resize)
        place();
    return QObject::eventFilter(watched, event);
}

void ResizableForm::place() {
    const int gainedWidth = std::max(0, form_->width() - laidOut_.width());
    const int gainedHeight = std::max(0, form_->height() - laidOut_.height());
    const auto share = [](int gained, qreal part) { return qRound(gained * part); };
    for (const Follower& follower : followers_) {
        const Growth& growth = follower.growth;
        follower.control->setGeometry(follower.laidOut
                                          .translated(share(gainedWidth, growth.moveRight),
                                                      share(gainedHeight, growth.moveDown))
                                          .adjusted(0, 0, share(gainedWidth, growth.widen),
                                                    share(gainedHeight, growth.heighten)));
    }
}

} // namespace pennywell::ui
