#include "cli/Command.h"
#include "cli/MortgageCommand.h"
#include "cli/SavingsCommand.h"

namespace pennywell::cli {

Command budgetCommand(); // BudgetCommand.cpp

const QList<Command>& commands() {
    static const QList<Command> all = {
        mortgageCommand(),
        savingsCommand(),
        yearlyCommand(),
        budgetCommand(),
    };
    return all;
}

} // namespace pennywell::cli
