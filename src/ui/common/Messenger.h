#pragma once

#include "core/state/PlannerMessage.h"

#include <QString>
#include <optional>

class QWidget;

namespace pennywell::ui {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    QString text; // plain text; lines may be separated by CR LF
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    // What Escape or closing the box from its title bar answers; unset, the negative button
    // (No, Cancel). A question whose other answer discards the user's data names the safe one.
    std::optional<MessageAnswer> escapeAnswer = std::nullopt;
    QString details = QString(); // shown on request below the text; none when empty
};

// A planner's message in an Ok box.
inline Message messageOf(const PlannerMessage& message) {
    return Message{message.text,      message.title, MessageButtons::Ok,
                   MessageIcon::None, std::nullopt,  message.details};
}

// The answer a box gives when it is left without pressing a button.
inline MessageAnswer escapeAnswerOf(const Message& message) {
    if (message.escapeAnswer)
        return *message.escapeAnswer;
    switch (message.buttons) {
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return MessageAnswer::Ok;
}

// Every message box and question goes through here, so tests can answer them.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual MessageAnswer show(QWidget* parent, const Message& message) = 0;
};

} // namespace pennywell::ui
