#pragma once

#include "ui/common/Printer.h"

#include <chrono>

namespace pennywell::ui {

// The system's default printer, reached through its spooler; no printer dialog is shown.
// The pages are rendered into a PDF with the printer's paper and margins and handed to the
// spooler directly, so a job the spooler refuses is reported rather than lost. A spooler that
// keeps any answer waiting longer than `Patience` counts as not answering.
class SpoolerPrinter final : public Printer {
public:
    static constexpr std::chrono::milliseconds Patience{5000};

    std::optional<QString> print(const render::PrintDocument& document) override;
};

} // namespace pennywell::ui
