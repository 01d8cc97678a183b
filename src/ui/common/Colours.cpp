#include "ui/common/Colours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace pennywell::ui {
namespace {

const QColor InputYellow(255, 255, 192);
const QColor ResultWhite(255, 255, 255);
const QColor TotalGreen(200, 240, 200);
const QColor DarkText(0, 0, 0);
// Pure red on the green reads at barely 3:1; this red still stands out and reads at 5.6:1.
const QColor NegativeRed(176, 0, 0);

// A box, a list or a list's popup: its field and its button face, each with its text.
void paintBox(QWidget* box, const QColor& background) {
    QPalette palette = box->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, DarkText);
    box->setPalette(palette);
}

} // namespace

void showAsInputBox(QWidget* box) {
    paintBox(box, InputYellow);
}

void showAsResultBox(QWidget* box) {
    paintBox(box, ResultWhite);
}

void showAsTotal(QWidget* label, bool negative) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, TotalGreen);
    palette.setColor(QPalette::WindowText, negative ? NegativeRed : DarkText);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

} // namespace pennywell::ui
