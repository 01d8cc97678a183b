#include "Command.h"
#include "SavingsCommand.h"

namespace pennywell::cli {

Command budgetCommand(); // BudgetCommand.cpp

const QList<Command>& commands() {
    static const QList<Command> all = {
        savingsCommand(),
        yearlyCommand(),
        budgetCommand(),
    };
    return all;
}

} // namespace pennywell::cli
