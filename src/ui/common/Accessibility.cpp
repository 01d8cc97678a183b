#include "ui/common/Accessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace pennywell::ui {

void nameAfterCaption(QWidget* control, const QString& caption) {
    QString words = caption;
    words.remove(QLatin1Char('&'));
    control->setAccessibleName(words.simplified());
    if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(control->accessibleName());
}

void nameAfterLabel(QWidget* control, QLabel* label) {
    label->setBuddy(control);
    nameAfterCaption(control, label->text());
}

} // namespace pennywell::ui
