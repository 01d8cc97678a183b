#include "Command.h"

namespace pennywell::cli {

Command budgetCommand(); // BudgetCommand.cpp

const QList<Command>& commands() {
    static const QList<Command> all = {
        budgetCommand(),
    };
    return all;
}

} // namespace pennywell::cli
