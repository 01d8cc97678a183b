#pragma once

#include <QString>

namespace pennywell {

// The program's texts end their lines in CR LF, as its files and printouts do. A Qt text
// widget would show each CR as a line break of its own, so it is given line feeds only.
QString lineFeedsOnly(QString text);

} // namespace pennywell
