#pragma once

#include <QString>

// Captions of the manual's window; its title is the page's, then the program's.
namespace pennywell::help {

inline const QString WindowDescription =
    QStringLiteral("The manual, one page at a time, with links between the pages");
inline const QString TitleSuffix = QStringLiteral(" Help");
inline const QString TitleSeparator = QStringLiteral(" - ");
inline const QString PrintCaption = QStringLiteral("P&rint");
inline const QString ContentsCaption = QStringLiteral("&Contents");
inline const QString BackCaption = QStringLiteral("&Back");
inline const QString ForwardCaption = QStringLiteral("&Forward");
inline const QString FindLabel = QStringLiteral("F&ind:");
inline const QString FindNextCaption = QStringLiteral("Find &Next");
inline const QString FindPreviousCaption = QStringLiteral("Find &Previous");

} // namespace pennywell::help
