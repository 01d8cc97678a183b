#pragma once

#include <QString>

namespace pennywell::ui {

// The About box's lines, separated by CR LF.
QString aboutText();

} // namespace pennywell::ui
