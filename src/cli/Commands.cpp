#include "Command.h"

namespace pennywell::cli {

const QList<Command>& commands() {
    static const QList<Command> all = {};
    return all;
}

} // namespace pennywell::cli
