#include "common/Accessibility.h"

#include <QWidget>

namespace pennywell::ui {

void nameAfterCaption(QWidget* control, const QString& caption) {
    QString words = caption;
    words.remove(QLatin1Char('&'));
    control->setAccessibleName(words.simplified());
}

} // namespace pennywell::ui
