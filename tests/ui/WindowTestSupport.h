#pragma once

#include "TestServices.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace pennywell::ui::testing {

// The child with this objectName; a missing one stops the run, as a renamed control should.
template <typename T> T* child(const QObject* parent, const char* name) {
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// A grid's cell and row count as its model holds them: rows from 0, the headings apart.
inline QString gridCell(const QObject* window, const char* grid, int row, int column) {
    return child<QTableView>(window, grid)->model()->index(row, column).data().toString();
}

inline int gridRowCount(const QObject* window, const char* grid) {
    return child<QTableView>(window, grid)->model()->rowCount();
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

// Tabs into the named box (a line or a list's editable part) and types the keys.
template <typename T = QLineEdit>
T* typeInto(const QObject* parent, const char* name, const QString& keys) {
    auto* box = child<T>(parent, name);
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

// Messages appear as modal windows that the user answers; a mouse button pressed on a control
// is released over the message, as it is when the press itself brought the message up.
inline void answerMessagesAsModalWindows(ScriptedMessenger& messenger) {
    messenger.whileShown = [] {
        QDialog message;
        QTimer::singleShot(0, &message, [&message] {
            QTest::mouseRelease(&message, Qt::LeftButton);
            message.accept();
        });
        message.exec();
    };
}

// Presses the mouse button on a control by way of its window, as the platform delivers it.
inline void mousePressOn(QWidget* control) {
    QWidget* window = control->window();
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, control->rect().center()));
}

} // namespace pennywell::ui::testing
