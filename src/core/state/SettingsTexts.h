#pragma once

#include <QString>

// The settings window's captions; the font options are in the order of the stored font number.
namespace pennywell::settings_texts {

inline const QString WindowCaption = QStringLiteral("Personalize");
inline const QString WindowDescription =
    QStringLiteral("Your printer font, name and currency symbol");
inline const QString NameLabel = QStringLiteral("Type in your name");
inline const QString CurrencyLabel = QStringLiteral("  Change Currency Symbol.");
inline const QString FontFrame = QStringLiteral("Change Printer Font");
inline const QString StandardFontOption = QStringLiteral("Standard Printer Font");
inline const QString Courier10Option = QStringLiteral("Courier New 10 point font");
inline const QString Courier11Option = QStringLiteral("Courier New 11 point font");
inline const QString Courier12Option = QStringLiteral("Courier New 12 point font");

} // namespace pennywell::settings_texts
