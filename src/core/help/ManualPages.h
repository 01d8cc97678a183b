#pragma once

#include <QString>

namespace pennywell::help {

// The manual is a set of HTML pages in the program's resources; a page is named by its file
// name, optionally followed by "#anchor".
inline const QString ManualRoot = QStringLiteral(":/manual/");
inline const QString ContentsPage = QStringLiteral("index.html");

// The page that explains a window, by the window's object name. The mortgage window serves
// both planners, so the plan kind picks the mortgage or the loan page. Empty for a window
// the manual does not cover.
QString pageForWindow(const QString& windowName, int planKind);

// The file of the manual that holds a page (the page without its anchor).
QString manualFileOf(const QString& page);

// Shown when a page of the manual is not in the program (the program goes on).
QString manualMissingText(const QString& page);
inline const QString ManualMissingTitle = QStringLiteral("Help");

} // namespace pennywell::help
