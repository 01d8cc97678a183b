// The mortgage and loan engine on arbitrary inputs (any principal, rate, term, compounding and
// payment rows, days choice, first payment date and additional payments), then the texts of
// its boxes and grid: never a crash or undefined behaviour, and a result that holds together.
#include "FuzzCheck.h"
#include "FuzzInputs.h"
#include "core/mortgage/MortgageEngine.h"
#include "core/mortgage/MortgagePresenter.h"

#include <algorithm>

using namespace pennywell;
using namespace pennywell::mortgage;

namespace {

MortgageInputs anyInputs(FuzzedDataProvider& input) {
    MortgageInputs inputs = defaultInputs(input.ConsumeBool() ? Mode::Loan : Mode::Mortgage);
    inputs.principal = anyAmount(input, 10'000'000);
    inputs.ratePercent = anyAmount(input, 100);
    inputs.term = anyAmount(input, inputs.mode == Mode::Loan ? 600 : 50);
    inputs.compounding = anyChoice<Compounding>(input, compoundingRows());
    inputs.frequency = anyChoice<Frequency>(input, frequencyRows());
    inputs.days = daysInYearSetting(input.ConsumeIntegralInRange(-1, DaysChoiceCount));
    inputs.view = input.ConsumeBool() ? View::All : View::Annual;
    inputs.DateView = input.ConsumeBool() ? 1 : 0;
    inputs.FirstPayDate = anyDate(input);
    const int extras = input.ConsumeIntegralInRange(0, LastExtraYear);
    for (int i = 0; i < extras; ++i) {
        ExtraPayment& row = inputs.extraPayments[input.ConsumeIntegralInRange(0, LastExtraYear)];
        row.year = anyAmount(input, LastExtraYear + 5);
        row.amount = anyAmount(input, 1'000'000);
    }
    const double years = std::clamp(termYears(inputs), 0.0, double(MaximumPayments));
    inputs.ExtraCount = extraPaymentYears(inputs.extraPayments, int(years));
    return inputs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const MortgageInputs inputs = anyInputs(input);
    const MortgageResult result = calculateMortgage(inputs);

    fuzzCheck(result.RowCount >= 0, "no negative row count");
    if (result.succeeded()) {
        fuzzCheck(result.progress == Progress::Complete, "a result that succeeded is complete");
        fuzzCheck(result.ResultCount > 0, "a result that succeeded can be graphed");
        fuzzCheck(std::size_t(result.RowCount) < result.PayTable.size(),
                  "every row shown is in the table");
        fuzzCheck(result.paymentsMade <= MaximumPayments, "at most 2,100 payments");
        fuzzCheck(result.AppliedCount <= int(result.listedExtras.size()) ||
                      result.listedExtras.empty(),
                  "only applied payments are listed");
    } else {
        fuzzCheck(result.ResultCount == 0, "a refused result cannot be graphed");
    }

    // The boxes show whatever a calculation got to; the grid is filled only after a success.
    // Its thousands of cells would dominate the time of every input, so one input in eight
    // fills it (the fuzzer learns which ones).
    const QString symbol = input.ConsumeBool() ? QStringLiteral("$") : QString();
    boxTexts(result, symbol);
    if (result.succeeded() && input.ConsumeIntegralInRange(0, 7) == 7) {
        filledGrid(result, symbol, DateStyle{QLocale::c(), input.ConsumeBool()});
        extrasText(result);
    }
    return 0;
}
