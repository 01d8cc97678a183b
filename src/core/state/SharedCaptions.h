#pragma once

#include <QString>

// Captions that several windows give their buttons alike.
namespace pennywell {

inline const QString CalculateCaption = QStringLiteral("&Calculate");
inline const QString ShowGraphCaption = QStringLiteral("&Show Graph");
inline const QString ToPrinterCaption = QStringLiteral("To &Printer");
inline const QString ExitToMenuCaption = QStringLiteral("E&xit to Menu");
inline const QString ExitCaption = QStringLiteral("E&xit");
inline const QString OkCaption = QStringLiteral("&OK");
inline const QString CancelCaption = QStringLiteral("&Cancel");

// The quick-help button of a planner switches between these two, with its panel.
inline const QString QuickHelpCaption = QStringLiteral("Quick &Help");
inline const QString CloseHelpCaption = QStringLiteral("Close &Help");

} // namespace pennywell
