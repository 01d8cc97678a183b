#include "Command.h"
#include "MortgageCommand.h"
#include "SavingsCommand.h"

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
