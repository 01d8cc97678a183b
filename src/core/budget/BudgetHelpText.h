#pragma once

#include <QString>

namespace pennywell {

// The budget window's quick help ("HelpTxt"): each line followed by a blank line, CR LF.
QString budgetHelpText();

} // namespace pennywell
