#include "cli/SavingsAnswer.h"

#include "cli/Command.h"

namespace pennywell::cli {

int writeSavingsAnswer(OutputFormat format, QJsonObject json, const std::optional<Refusal>& refusal,
                       const std::function<QString(OutputFormat)>& plainOutput, QTextStream& out,
                       QTextStream& err) {
    if (format == OutputFormat::Json) {
        if (refusal)
            json.insert("error", refusalJson(*refusal));
        writeJson(out, json);
    } else if (refusal) {
        writeRefusal(err, *refusal);
    } else {
        out << plainOutput(format);
    }
    return refusal ? CalculationRefused : Success;
}

} // namespace pennywell::cli
