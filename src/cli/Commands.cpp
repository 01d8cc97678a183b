#include "Command.h"
#include "MortgageCommand.h"

namespace pennywell::cli {

const QList<Command>& commands() {
    static const QList<Command> all = {
        mortgageCommand(),
    };
    return all;
}

} // namespace pennywell::cli
