#pragma once

#include "cli/Command.h"

namespace pennywell::cli {

// "pennywell-calc mortgage": one press of "Calculate" on a freshly opened mortgage window.
Command mortgageCommand();

} // namespace pennywell::cli
