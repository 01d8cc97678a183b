#pragma once

#include "common/Printer.h"

namespace pennywell::ui {

// The system's default printer, reached through its spooler; no printer dialog is shown.
// The pages are rendered into a PDF with the printer's paper and margins and handed to the
// spooler directly, so a job the spooler refuses is reported rather than lost.
class SpoolerPrinter final : public Printer {
public:
    std::optional<QString> print(const PrintDocument& document) override;
};

} // namespace pennywell::ui
