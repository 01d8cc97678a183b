#pragma once

#include "render/PrintDocument.h"

#include <optional>

namespace pennywell::ui {

// The default printer; tests print through a scripted one or a private spooler.
class Printer {
public:
    virtual ~Printer() = default;
    // Hands the document to the default printer. Returns the problem to tell the user, or
    // nullopt once the spooler has accepted the job.
    virtual std::optional<QString> print(const render::PrintDocument& document) = 0;
};

} // namespace pennywell::ui
