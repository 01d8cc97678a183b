#pragma once

#include "common/Beeper.h"
#include "common/FileDialogs.h"
#include "common/Messenger.h"
#include "common/Services.h"

#include <QList>
#include <QQueue>

namespace pennywell::ui::testing {

// Records every message shown and answers from a queue (OK or Yes when it is empty).
class ScriptedMessenger final : public Messenger {
public:
    MessageAnswer show(QWidget*, const Message& message) override {
        shown.append(message);
        if (!answers.isEmpty())
            return answers.dequeue();
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    QList<Message> shown;
    QQueue<MessageAnswer> answers;
};

class CountingBeeper final : public Beeper {
public:
    void beep() override { ++count; }
    int count = 0;
};

// Records every file dialog request and answers from a queue (cancel when it is empty).
class ScriptedFileDialogs final : public FileDialogs {
public:
    std::optional<QString> choose(QWidget*, const FileDialogRequest& request) override {
        requests.append(request);
        return answers.isEmpty() ? std::nullopt : answers.dequeue();
    }

    QList<FileDialogRequest> requests;
    QQueue<std::optional<QString>> answers;
};

struct TestServices {
    ScriptedMessenger messenger;
    CountingBeeper beeper;
    ScriptedFileDialogs fileDialogs;
    Services services{messenger, beeper, fileDialogs};
};

} // namespace pennywell::ui::testing
