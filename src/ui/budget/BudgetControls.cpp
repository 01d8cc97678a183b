#include "ui/budget/BudgetControls.h"

#include "ui/common/Colours.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/InputBox.h"
#include "ui/common/WholeText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pennywell::ui::budget_controls {
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setFont(captionFont());
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

QLabel* addResult(QWidget* parent, const char* name, const QRect& geometry) {
    QLabel* result = addLabel(parent, name, QString(), geometry);
    result->setFont(fixedPitchFont(BoxPointSize));
    result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    result->setFrameShape(QFrame::Panel);
    result->setFrameShadow(QFrame::Sunken);
    showAsTotal(result);
    keepTextWhole(result);
    return result;
}

QLineEdit* addBox(QWidget* parent, const char* name, const QRect& geometry, bool numeric) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    showAsInputBox(box);
    if (numeric) {
        box->setFont(fixedPitchFont(BoxPointSize));
        box->setAlignment(Qt::AlignRight);
    }
    return box;
}

QPushButton* addButton(QWidget* parent, const NamedControl& named, const QRect& geometry) {
    return ui::addButton(parent, named.name, named.caption, geometry);
}

QComboBox* addList(QWidget* parent, const char* name, const QStringList& entries,
                   const QRect& geometry) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(fixedPitchFont(BoxPointSize));
    list->addItems(entries);
    list->setGeometry(geometry);
    return list;
}

} // namespace pennywell::ui::budget_controls
