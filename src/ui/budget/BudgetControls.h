#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// How the budget window builds and paints its controls.
namespace pennywell::ui::budget_controls {

// A control's object name and caption.
struct NamedControl {
    const char* name;
    QString caption;
};

// At 9 points both halves' boxes, lists and totals fit the window's fixed rectangle.
constexpr int BoxPointSize = 9;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
QLabel* addResult(QWidget* parent, const char* name, const QRect& geometry);
QLineEdit* addBox(QWidget* parent, const char* name, const QRect& geometry, bool numeric);
QPushButton* addButton(QWidget* parent, const NamedControl& named, const QRect& geometry);
QComboBox* addList(QWidget* parent, const char* name, const QStringList& entries,
                   const QRect& geometry);

} // namespace pennywell::ui::budget_controls
