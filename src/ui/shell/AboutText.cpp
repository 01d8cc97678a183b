#include "ui/shell/AboutText.h"

#include "core/state/ProgramName.h"

namespace pennywell::ui {

QString aboutText() {
    return ProgramName +
           QStringLiteral("\r\n"
                          "Version %1\r\n"
                          "\r\n"
                          "Plans your mortgage, loans, household budget and savings.\r\n"
                          "\r\n"
                          "Copyright (C) 2026 The Pennywell developers")
               .arg(QStringLiteral(PENNYWELL_VERSION));
}

} // namespace pennywell::ui
