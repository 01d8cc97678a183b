#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace pennywell::ui::testing {

// One text a window shows: where the style draws it and the room the text needs there.
struct ShownText {
    QString where; // control name, and the cell or heading within it
    QString text;
    QRect room;  // in window coordinates
    QRect drawn; // the part of the room the text covers, in window coordinates
    bool fits = true;
    bool readable = true; // enabled and not under another control: its contrast counts
};

// Every text of every visible control of the window (captions, labels, boxes, lists and each
// of their entries, group titles, grid cells and headings, the text of text panels).
QList<ShownText> shownTexts(QWidget* window);

// The texts cut by their control, and controls reaching out of their parent's rectangle.
QStringList textsCutOff(QWidget* window, const QList<ShownText>& texts);

// The texts whose rendered colour contrasts less than 4.5 to 1 with their background, taking
// the commonest colour of a text's area as its background and the colour furthest from it as
// the text's; the image is the window as grabbed.
QStringList textsHardToRead(const QImage& window, const QList<ShownText>& texts);

} // namespace pennywell::ui::testing
