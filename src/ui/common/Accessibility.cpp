#include "common/Accessibility.h"

#include <QLabel>
#include <QWidget>

namespace pennywell::ui {

void nameAfterCaption(QWidget* control, const QString& caption) {
    QString words = caption;
    words.remove(QLatin1Char('&'));
    control->setAccessibleName(words.simplified());
}

void nameAfterLabel(QWidget* control, QLabel* label) {
    label->setBuddy(control);
    nameAfterCaption(control, label->text());
}

} // namespace pennywell::ui
