#pragma once

#include <QTextStream>

namespace pennywell::cli {

// Ends a command: a script trusts the exit status, so output that did not all reach standard
// output (a full disk, a closed descriptor) turns the command's status into a failure, told on
// the error stream. Gives the status to exit with.
int finishStandardOutput(int status, QTextStream& out, QTextStream& err);

} // namespace pennywell::cli
