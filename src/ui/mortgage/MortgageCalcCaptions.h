#pragma once

#include <QString>

// The captions the mortgage window's date button switches between.
namespace pennywell::ui::mortgage_captions {

inline const QString ViewDateCaption = QStringLiteral("&View payment date");
inline const QString ViewNumberCaption = QStringLiteral("&View payment No.");

} // namespace pennywell::ui::mortgage_captions
