#pragma once

#include <QString>
#include <optional>

namespace pennywell {

// A message box a planner shows (a refused entry or calculation): the window shows it, and
// pennywell-calc reports it.
struct PlannerMessage {
    QString title;
    QString text;
    QString details = QString(); // what the user may read on to learn why; often none
};

// What leaving a box gives: the text the box shows now, and what tells the user that the entry
// was refused or cut to its limit (a message, or only a beep).
struct BoxCommit {
    QString shown;
    std::optional<PlannerMessage> message = std::nullopt;
    bool beep = false;
};

} // namespace pennywell
