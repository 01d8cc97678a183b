#pragma once

#include <QString>

// The captions the mortgage window's buttons switch between.
namespace pennywell::ui::mortgage_captions {

inline const QString QuickHelpCaption = QStringLiteral("Quick &Help");
inline const QString CloseHelpCaption = QStringLiteral("Close &Help");
inline const QString ViewDateCaption = QStringLiteral("&View payment date");
inline const QString ViewNumberCaption = QStringLiteral("&View payment No.");

} // namespace pennywell::ui::mortgage_captions
