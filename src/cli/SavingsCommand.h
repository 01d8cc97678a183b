#pragma once

#include "cli/Command.h"

namespace pennywell::cli {

Command savingsCommand(); // the growth table of the savings planner
Command yearlyCommand();  // the yearly investments dialog

} // namespace pennywell::cli
