#pragma once

#include "ui/common/Beeper.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/Messenger.h"
#include "ui/common/Printer.h"
#include "ui/common/Services.h"

#include <QApplication>
#include <QList>
#include <QQueue>
#include <functional>
#include <variant>

namespace pennywell::ui::testing {

// Leaving a message box without pressing one of its buttons, as a user may.
enum class Dismissal { Escape, TitleBarClose };
using ScriptedReply = std::variant<MessageAnswer, Dismissal>;

// Records every message shown and answers from a queue (OK or Yes when it is empty). A queued
// Dismissal gets the answer the real box gives to Escape or to its title bar's close.
class ScriptedMessenger final : public Messenger {
public:
    MessageAnswer show(QWidget*, const Message& message) override {
        shown.append(message);
        if (whileShown)
            whileShown();
        if (!answers.isEmpty()) {
            const ScriptedReply reply = answers.dequeue();
            if (const auto* answer = std::get_if<MessageAnswer>(&reply))
                return *answer;
            return escapeAnswerOf(message);
        }
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    QList<Message> shown;
    QQueue<ScriptedReply> answers;
    std::function<void()> whileShown; // what the user does while the message is up
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

// Records every document sent to the printer and whether the hourglass showed meanwhile;
// answers from a queue of problems (printed when it is empty).
class ScriptedPrinter final : public Printer {
public:
    std::optional<QString> print(const render::PrintDocument& document) override {
        printed.append(document);
        const QCursor* cursor = QApplication::overrideCursor();
        busyWhilePrinting.append(cursor && cursor->shape() == Qt::WaitCursor);
        return problems.isEmpty() ? std::nullopt : problems.dequeue();
    }

    QList<render::PrintDocument> printed;
    QList<bool> busyWhilePrinting;
    QQueue<std::optional<QString>> problems;
};

// Records the manual pages asked for; opens no window.
class ScriptedHelpViewer final : public HelpViewer {
public:
    void showPage(const QString& page) override { pages.append(page); }
    QStringList pages;
};

struct TestServices {
    ScriptedMessenger messenger;
    CountingBeeper beeper;
    ScriptedFileDialogs fileDialogs;
    ScriptedPrinter printer;
    ScriptedHelpViewer helpViewer;
    Services services{messenger, beeper, fileDialogs, printer, helpViewer};
};

} // namespace pennywell::ui::testing
