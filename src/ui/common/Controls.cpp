#include "ui/common/Controls.h"

#include "ui/common/Colours.h"
#include "ui/common/Fonts.h"

#include <QPushButton>

namespace pennywell::ui {

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    if (geometry.isValid())
        button->setGeometry(geometry);
    button->setAutoDefault(true);
    return button;
}

void showAsFigureInput(QWidget* box, int pointSize) {
    showAsInputBox(box);
    box->setFont(fixedPitchFont(pointSize));
}

} // namespace pennywell::ui
