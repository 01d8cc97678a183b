#include "core/format/LineBreaks.h"

namespace pennywell {

QString lineFeedsOnly(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace pennywell
