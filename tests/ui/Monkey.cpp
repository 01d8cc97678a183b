#include "Monkey.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace pennywell::ui::testing {

MessageAnswer RandomMessenger::show(QWidget*, const Message& message) {
    ++answered;
    const bool first = random_.bounded(2) == 0;
    switch (message.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return first ? MessageAnswer::Ok : MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return first ? MessageAnswer::Yes : MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

RandomFileDialogs::RandomFileDialogs(QRandomGenerator& random, const QDir& folder)
    : random_(random), folder_(folder) {
    QFile good(folder_.filePath(QStringLiteral("Good.bgt")));
    if (good.open(QIODevice::WriteOnly))
        good.write("2\r\n1,\"Salary\",36000,12,36000\r\n2,\"Gift, yearly\",.5,1,1\r\n"
                   "1\r\n1,\"Rent\",14400,12,15000\r\n");
}

std::optional<QString> RandomFileDialogs::choose(QWidget*, const FileDialogRequest&) {
    ++answered;
    switch (random_.bounded(7)) {
    case 0:
        return std::nullopt;
    case 1:
        return folder_.filePath(QStringLiteral("Good.bgt"));
    case 2: {
        QByteArray bytes(int(random_.bounded(200)), '\0');
        for (char& byte : bytes)
            byte = char(random_.bounded(256));
        QFile garbage(folder_.filePath(QStringLiteral("Garbage.bgt")));
        if (garbage.open(QIODevice::WriteOnly))
            garbage.write(bytes);
        return garbage.fileName();
    }
    case 3:
        QFile::remove(folder_.filePath(QStringLiteral("Missing.bgt")));
        return folder_.filePath(QStringLiteral("Missing.bgt"));
    case 4:
        return folder_.path();
    case 5:
        return folder_.filePath(QStringLiteral("New%1.bgt").arg(random_.bounded(3)));
    default:
        return folder_.filePath(QStringLiteral("No such folder/Budget.bgt"));
    }
}

std::optional<QString> RandomPrinter::print(const render::PrintDocument&) {
    ++answered;
    if (random_.bounded(3) == 0)
        return QStringLiteral("The printer is out of paper.");
    return std::nullopt;
}

Watchdog::Watchdog(int patienceSeconds)
    : thread_([this, patienceSeconds] { watch(patienceSeconds); }) {}

Watchdog::~Watchdog() {
    stop_ = true;
    thread_.join();
}

void Watchdog::watch(int patienceSeconds) {
    using namespace std::chrono;
    long seen = steps_;
    auto since = steady_clock::now();
    while (!stop_) {
        std::this_thread::sleep_for(milliseconds(100));
        if (steps_ != seen) {
            seen = steps_;
            since = steady_clock::now();
        } else if (steady_clock::now() - since > seconds(patienceSeconds)) {
            std::fprintf(stderr, "The monkey hung in %s after %s (%ld events)\n", window_.load(),
                         event_.load(), seen);
            std::abort();
        }
    }
}

Monkey::Monkey(const char* windowName, QRandomGenerator& random, Watchdog& watchdog, Opener reopen)
    : windowName_(windowName), random_(random), watchdog_(watchdog), reopen_(std::move(reopen)) {}

void Monkey::run(int events) {
    remaining_ = events;
    finished_ = false;
    QTimer::singleShot(0, [this] { step(); });
    while (!finished_)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    delete window_;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Monkey::step() {
    if (remaining_ <= 0) {
        closeModalDialogs();
        return;
    }
    --remaining_;
    // The next event is queued first: when this one opens a modal dialog, the dialog's own
    // event loop runs the next ones, so they go to the dialog as a person's would.
    QTimer::singleShot(0, [this] { step(); });

    QWidget* window = target();
    visited_.insert(QString::fromLatin1(window->metaObject()->className()));
    const int choice = int(random_.bounded(100));
    if (choice < 55) {
        watchdog_.progress(windowName_, "a key");
        sendKey(window);
    } else if (choice < 85) {
        watchdog_.progress(windowName_, "a click");
        click(window);
    } else if (choice < 93) {
        watchdog_.progress(windowName_, "a paste");
        paste(window);
    } else {
        watchdog_.progress(windowName_, "Escape");
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus ? focus : window, Qt::Key_Escape);
    }
}

// After the last event: the dialogs opened by exec() are closed one by one from the
// innermost out, each from its own loop, until the run is back where it started.
void Monkey::closeModalDialogs() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == window_) {
        finished_ = true;
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->done(QDialog::Rejected);
    else
        modal->close();
    QTimer::singleShot(0, [this] { closeModalDialogs(); });
}

QWidget* Monkey::target() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    if (!window_ || !window_->isVisible()) {
        if (window_)
            window_->deleteLater();
        window_ = reopen_();
        if (auto* dialog = qobject_cast<QDialog*>(window_.data()))
            dialog->open();
        else
            window_->show();
    }
    window_->activateWindow();
    return window_;
}

void Monkey::sendKey(QWidget* window) {
    static constexpr Qt::Key Special[] = {
        Qt::Key_Return,    Qt::Key_Enter,    Qt::Key_Tab,   Qt::Key_Backtab,
        Qt::Key_Backspace, Qt::Key_Delete,   Qt::Key_Home,  Qt::Key_End,
        Qt::Key_Left,      Qt::Key_Right,    Qt::Key_Up,    Qt::Key_Down,
        Qt::Key_PageUp,    Qt::Key_PageDown, Qt::Key_Space, Qt::Key_F1,
    };
    static const char Typed[] = "0123456789012345678901234567890123456789...--,\"$xEU% ";
    QWidget* focus = window->focusWidget();
    QWidget* receiver = focus ? focus : window;
    const int kind = int(random_.bounded(10));
    if (kind < 6) {
        QTest::keyClick(receiver, Typed[random_.bounded(int(sizeof Typed - 1))]);
    } else if (kind < 9) {
        QTest::keyClick(receiver, Special[random_.bounded(int(std::size(Special)))]);
    } else {
        // A mnemonic: Alt and a letter, as the buttons' captions offer.
        QTest::keyClick(receiver, Qt::Key(Qt::Key_A + int(random_.bounded(26))), Qt::AltModifier);
    }
}

void Monkey::click(QWidget* window) {
    QList<QWidget*> candidates{window};
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isVisibleTo(window) && child->isEnabled() && !child->rect().isEmpty())
            candidates.append(child);
    }
    QWidget* widget = candidates[random_.bounded(int(candidates.size()))];
    if (auto* view = qobject_cast<QAbstractItemView*>(widget))
        widget = view->viewport();
    const QRect area = widget->rect();
    const QPoint at(area.left() + int(random_.bounded(area.width())),
                    area.top() + int(random_.bounded(area.height())));
    if (random_.bounded(6) == 0)
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void Monkey::paste(QWidget* window) {
    QGuiApplication::clipboard()->setText(randomText());
    QWidget* focus = window->focusWidget();
    QWidget* receiver = focus ? focus : window;
    if (random_.bounded(2) == 0)
        QTest::keyClick(receiver, Qt::Key_V, Qt::ControlModifier);
    else
        QTest::keyClick(receiver, Qt::Key_Insert, Qt::ShiftModifier);
}

QString Monkey::randomText() {
    static const QString Pieces[] = {
        QStringLiteral("100000"), QStringLiteral("12.5.3"),    QStringLiteral("$100"),
        QStringLiteral("-5"),     QStringLiteral("1e308"),     QStringLiteral("\"quoted\""),
        QStringLiteral("a,b"),    QStringLiteral("\r\n"),      QStringLiteral("\t"),
        QStringLiteral("€é日"),   QStringLiteral("0.0000001"), QString(),
    };
    QString text;
    const int pieces = int(random_.bounded(4));
    for (int i = 0; i < pieces; ++i)
        text += Pieces[random_.bounded(int(std::size(Pieces)))];
    if (random_.bounded(8) == 0)
        text += QString(int(random_.bounded(1, 400)), QChar(u'0' + int(random_.bounded(10))));
    return text;
}

} // namespace pennywell::ui::testing
