#pragma once

#include "TestServices.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace pennywell::ui::testing {

// The child with this objectName; a missing one stops the run, as a renamed control should.
template <typename T> T* child(const QObject* parent, const char* name) {
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// Shows the window and waits until it is the active one; false if it never becomes active.
[[nodiscard]] inline bool showAndActivate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

inline void clickButton(const QObject* parent, const char* name) {
    child<QAbstractButton>(parent, name)->click();
}

// Tabs into the named box and types the keys.
inline QLineEdit* typeInto(const QObject* parent, const char* name, const QString& keys) {
    auto* box = child<QLineEdit>(parent, name);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, keys);
    return box;
}

// Every message shown so far as "title|text", to check count, titles and texts at once.
inline QStringList messages(const ScriptedMessenger& messenger) {
    QStringList shown;
    for (const Message& message : messenger.shown)
        shown.append(message.title + QLatin1Char('|') + message.text);
    return shown;
}

} // namespace pennywell::ui::testing
