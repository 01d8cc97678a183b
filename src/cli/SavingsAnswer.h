#pragma once

#include "cli/CommandOutput.h"

#include <functional>

namespace pennywell::cli {

// Ends the savings and yearly commands: JSON carries a refusal as "error"; the other formats
// print the refusal on the error stream, or else the command's own output for that format.
// Gives the exit status.
int writeSavingsAnswer(OutputFormat format, QJsonObject json, const std::optional<Refusal>& refusal,
                       const std::function<QString(OutputFormat)>& plainOutput, QTextStream& out,
                       QTextStream& err);

} // namespace pennywell::cli
