#include "ui/common/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTextDocument>
#include <QVariant>

// Qt's own interfaces speak a caption with the blanks that lay it out on screen, name a list
// after its value on this platform (a screen reader then never says what the list is for) and
// present a plain top-level widget as a filler. These few replace them for our windows.

namespace pennywell::ui {
namespace {

constexpr char LabelledByProperty[] = "pennywellLabelledBy";

// A label's text as words: rich text as its plain text, a mnemonic marker (shown only when
// the label has a buddy) dropped, the blanks that lay the caption out collapsed.
QString spokenWords(const QLabel* label) {
    QString words = label->text();
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(words))) {
        QTextDocument document;
        document.setHtml(words);
        words = document.toPlainText();
    }
    if (label->buddy()) {
        words.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        words.remove(QLatin1Char('&'));
        words.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
    return words.simplified();
}

// A caption, or a figure that has a name of its own (a total): the name says what it is, the
// value is the figure.
class SpokenLabel : public QAccessibleWidget {
public:
    explicit SpokenLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const QString shown = spokenWords(label());
        const QString name = widget()->accessibleName();
        if (kind == QAccessible::Name)
            return name.isEmpty() ? shown : name;
        if (kind == QAccessible::Value)
            return name.isEmpty() ? QString() : shown;
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto relations = QAccessibleWidget::relations(match);
        if (!(match & QAccessible::Labelled))
            return relations;
        QList<QWidget*> labelled;
        if (label()->buddy())
            labelled.append(label()->buddy());
        for (QObject* by : widget()->property(LabelledByProperty).value<QList<QObject*>>())
            if (auto* caption = qobject_cast<QWidget*>(by))
                labelled.append(caption);
        for (QWidget* other : labelled)
            if (QAccessibleInterface* otherInterface = QAccessible::queryAccessibleInterface(other))
                relations.append({otherInterface, QAccessible::Labelled});
        return relations;
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// A list named after its label, whose value is the entry shown, opened by its action.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    int childCount() const override { return list()->lineEdit() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->lineEdit())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == list()->view())
            return 0;
        return list()->lineEdit() && child->object() == list()->lineEdit() ? 1 : -1;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return list()->currentText().simplified();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = list()->isEditable();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

bool isPlainTopLevel(QWidget* widget) {
    return widget->windowType() == Qt::Window && !qobject_cast<QDialog*>(widget) &&
           !qobject_cast<QMainWindow*>(widget);
}

// Asked for each class of an object from its own class up; the answer for the object's own
// class is the one used.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull())
        return new SpokenLabel(label);
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return new NamedComboBox(list);
    if (isPlainTopLevel(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    QAccessible::installFactory(interfaceFor); // a second install is ignored
}

void labelledBy(QWidget* control, const QList<QLabel*>& labels) {
    QList<QObject*> objects(labels.begin(), labels.end());
    control->setProperty(LabelledByProperty, QVariant::fromValue(objects));
}

} // namespace pennywell::ui
