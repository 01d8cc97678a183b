#pragma once

#include "core/mortgage/MortgageEngine.h"
#include "core/mortgage/PaymentFrequency.h"
#include "core/state/AppState.h"
#include "ui/common/Beeper.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/Messenger.h"
#include "ui/common/Printer.h"
#include "ui/common/Services.h"

namespace pennywell::bench {

// Shows no message, beeps not, opens no file and prints nothing, so a timed window only
// does its own work. Every question gets `answer`; every file dialog picks `chosenFile`.
class SilentServices final : public ui::Messenger,
                             public ui::Beeper,
                             public ui::FileDialogs,
                             public ui::Printer,
                             public ui::HelpViewer {
public:
    ui::MessageAnswer show(QWidget*, const ui::Message&) override { return answer; }
    void beep() override {}
    void showPage(const QString&) override {}
    std::optional<QString> choose(QWidget*, const ui::FileDialogRequest&) override {
        return chosenFile;
    }
    std::optional<QString> print(const render::PrintDocument&) override { return std::nullopt; }

    ui::MessageAnswer answer = ui::MessageAnswer::Ok;
    std::optional<QString> chosenFile; // none: the dialog is cancelled
    ui::Services services{*this, *this, *this, *this, *this};
};

// The largest graph a planner hands over: 40 years of weekly payments in the "All" view,
// 2,086 payment rows scanned into 41 bars.
inline AppState largestMortgageGraph() {
    AppState state;
    mortgage::MortgageInputs inputs = mortgage::defaultInputs(mortgage::Mode::Mortgage);
    inputs.term = *Currency::fromDouble(40);
    inputs.compounding = mortgage::Compounding::Semiannual;
    inputs.frequency = mortgage::Frequency::OneWeek;
    inputs.view = mortgage::View::All;
    inputs.FirstPayDate = QDate(2027, 1, 31);
    state.mortgage.inputs = inputs;
    state.mortgage.result = mortgage::calculateMortgage(inputs);
    state.graph = {state.mortgage.result.ResultCount, state.mortgage.result.GraphTitle, 4};
    return state;
}

} // namespace pennywell::bench
