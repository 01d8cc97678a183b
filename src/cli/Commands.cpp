#include "Command.h"
#include "MortgageCommand.h"
#include "SavingsCommand.h"

namespace pennywell::cli {

const QList<Command>& commands() {
    static const QList<Command> all = {
        mortgageCommand(),
        savingsCommand(),
        yearlyCommand(),
    };
    return all;
}

} // namespace pennywell::cli
