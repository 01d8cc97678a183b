#include "ui/common/Twips.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

namespace pennywell::ui {
namespace {

constexpr qreal LaidOutPointSize = 9;
constexpr qreal LaidOutDotsPerInch = 96;

} // namespace

qreal fontScale() {
    return qMax<qreal>(1, QFontInfo(QGuiApplication::font()).pointSizeF() / LaidOutPointSize);
}

qreal formScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dotsPerInch = screen ? screen->logicalDotsPerInchY() : LaidOutDotsPerInch;
    return fontScale() * dotsPerInch / LaidOutDotsPerInch;
}

} // namespace pennywell::ui
