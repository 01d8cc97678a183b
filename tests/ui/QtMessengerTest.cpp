#include "ui/common/QtMessenger.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace pennywell::ui;

// The real message box, left with Escape or its title bar's close as a user would.
class QtMessengerTest : public QObject {
    Q_OBJECT

private slots:
    void leavingWithoutAButtonGivesTheEscapeAnswer_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("marked");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("expected");
        const auto none = -1;
        for (const bool escape : {true, false}) {
            const char* how = escape ? "Escape" : "close";
            QTest::addRow("%s, marked Yes", how)
                << int(MessageButtons::YesNo) << int(MessageAnswer::Yes) << escape
                << int(MessageAnswer::Yes);
            QTest::addRow("%s, Yes/No", how)
                << int(MessageButtons::YesNo) << none << escape << int(MessageAnswer::No);
            QTest::addRow("%s, OK/Cancel", how)
                << int(MessageButtons::OkCancel) << none << escape << int(MessageAnswer::Cancel);
            QTest::addRow("%s, OK", how)
                << int(MessageButtons::Ok) << none << escape << int(MessageAnswer::Ok);
        }
    }

    void leavingWithoutAButtonGivesTheEscapeAnswer() {
        QFETCH(int, buttons);
        QFETCH(int, marked);
        QFETCH(bool, escape);
        QFETCH(int, expected);
        Message message{QStringLiteral("Leave?"), QStringLiteral("Question"),
                        MessageButtons(buttons)};
        if (marked >= 0)
            message.escapeAnswer = MessageAnswer(marked);

        bool boxShown = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            QTimer::singleShot(2000, box, [box] { box->done(-1); }); // never block the test
            boxShown = QTest::qWaitForWindowActive(box);
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close(); // what the title bar's close does
        });
        QtMessenger messenger;
        const MessageAnswer answer = messenger.show(nullptr, message);
        QVERIFY(boxShown);
        QCOMPARE(int(answer), expected);
    }
};

QTEST_MAIN(QtMessengerTest)
#include "QtMessengerTest.moc"
