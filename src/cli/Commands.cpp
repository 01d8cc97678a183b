#include "Command.h"
#include "SavingsCommand.h"

namespace pennywell::cli {

const QList<Command>& commands() {
    static const QList<Command> all = {
        savingsCommand(),
        yearlyCommand(),
    };
    return all;
}

} // namespace pennywell::cli
