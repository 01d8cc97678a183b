#pragma once

#include <QString>

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
};

// Every message box and question goes through here, so tests can answer them.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual MessageAnswer show(QWidget* parent, const Message& message) = 0;
};

} // namespace pennywell::ui
