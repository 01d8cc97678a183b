#include "WindowTestSupport.h"
#include "core/help/ManualPages.h"
#include "core/mortgage/DaysInYear.h"
#include "core/mortgage/MortgageInputs.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"
#include "ui/budget/InRecNum.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/QtFileDialogs.h"
#include "ui/common/QtMessenger.h"
#include "ui/graph/GraphsAll.h"
#include "ui/help/HelpKey.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/ManualViewer.h"
#include "ui/mortgage/MortDateInput.h"
#include "ui/mortgage/MortIRFTable.h"
#include "ui/mortgage/MortPrePay.h"
#include "ui/mortgage/MortgageCalc.h"
#include "ui/printing/PrinterHeaderInput.h"
#include "ui/savings/SavingsCalc.h"
#include "ui/savings/YearSaveCalc.h"
#include "ui/shell/ChangeFnt.h"
#include "ui/shell/MenuMain.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

using namespace pennywell;
using namespace pennywell::ui;
using testing::child;
using testing::clickButton;

namespace {

// Whether a key and a mouse press reached the window or one of its controls.
struct UserInputSeen : QObject {
    QWidget* window = nullptr;
    bool key = false;
    bool click = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window) {
            key = key || event->type() == QEvent::KeyPress;
            click = click || event->type() == QEvent::MouseButtonPress;
        }
        return false;
    }
};

QString manualText(const QString& file) {
    QFile page(help::ManualRoot + file);
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

QStringList manualFiles() {
    return QDir(help::ManualRoot).entryList({QStringLiteral("*.html")}, QDir::Files);
}

// A text as the person reading it sees it: no tags, no mnemonic marks, single spaces.
QString asSeen(QString text) {
    text.remove(QLatin1Char('&'));
    return text.simplified();
}

// Every caption, title, list entry and grid heading a window shows.
void collectTexts(const QWidget* window, QSet<QString>& texts) {
    texts.insert(asSeen(window->windowTitle()));
    for (const auto* button : window->findChildren<QAbstractButton*>())
        texts.insert(asSeen(button->text()));
    for (const auto* label : window->findChildren<QLabel*>())
        texts.insert(asSeen(label->text()));
    for (const auto* frame : window->findChildren<QGroupBox*>())
        texts.insert(asSeen(frame->title()));
    for (const auto* list : window->findChildren<QComboBox*>()) {
        for (int row = 0; row < list->count(); ++row)
            texts.insert(asSeen(list->itemText(row)));
    }
    for (const auto* view : window->findChildren<QAbstractItemView*>()) {
        for (const QAction* action : view->actions()) // its right-click menu
            texts.insert(asSeen(action->text()));
        const QAbstractItemModel* model = view->model();
        if (!model)
            continue;
        for (int column = 0; column < model->columnCount(); ++column) {
            texts.insert(asSeen(model->headerData(column, Qt::Horizontal).toString()));
            for (int row = 0; row < qMin(model->rowCount(), 2); ++row)
                texts.insert(asSeen(model->index(row, column).data().toString()));
        }
    }
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        state_ = AppState{};
        state_.FirstPayDate = QDate(2027, 1, 1);
        services_ = std::make_unique<testing::TestServices>();
    }

    void howToOpensTheContentsWithoutWaiting() {
        MenuMain menu(state_, services_->services);
        QVERIFY(testing::showAndActivate(&menu));
        auto* howTo = child<QPushButton>(&menu, "HowTo");
        QVERIFY(howTo->isEnabled());
        QTest::mouseClick(howTo, Qt::LeftButton);
        QCOMPARE(services_->helpViewer.pages, QStringList{help::ContentsPage});
        QVERIFY(menu.isVisible()); // the menu goes on beside the manual
    }

    void f1InEachWindowOpensItsPage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("page");
        QTest::newRow("menu") << "menu"
                              << "getting-started.html";
        QTest::newRow("settings") << "settings"
                                  << "settings.html";
        QTest::newRow("mortgage") << "mortgage"
                                  << "mortgage.html";
        QTest::newRow("loan") << "loan"
                              << "loans.html";
        QTest::newRow("additional") << "additional"
                                    << "additional-payments.html";
        QTest::newRow("days") << "days"
                              << "days-in-year.html";
        QTest::newRow("date") << "date"
                              << "payment-dates.html";
        QTest::newRow("budget") << "budget"
                                << "budget.html";
        QTest::newRow("record number") << "record"
                                       << "budget.html#change-delete";
        QTest::newRow("savings") << "savings"
                                 << "savings.html";
        QTest::newRow("yearly") << "yearly"
                                << "yearly.html";
        QTest::newRow("graph") << "graph"
                               << "graphs.html";
        QTest::newRow("print header") << "print-header"
                                      << "printing.html";
        QTest::newRow("the manual itself") << "viewer"
                                           << "using-the-manual.html";
    }

    void f1InEachWindowOpensItsPage() {
        QFETCH(QString, window);
        QFETCH(QString, page);
        std::unique_ptr<HelpKey> key(new HelpKey(state_, services_->helpViewer, nullptr));
        qApp->installEventFilter(key.get());

        std::unique_ptr<QWidget> shown = makeWindow(window);
        QVERIFY(testing::showAndActivate(shown.get()));
        QWidget* focus = shown->focusWidget() ? shown->focusWidget() : shown.get();
        QTest::keyClick(focus, Qt::Key_F1);

        QCOMPARE(services_->helpViewer.pages, QStringList{page});
        QVERIFY(QFile::exists(help::manualFileOf(page)));
    }

    void f1InAMessageBoxExplainsTheWindowBehindIt() {
        HelpKey key(state_, services_->helpViewer, nullptr);
        qApp->installEventFilter(&key);
        SavingsCalc savings(state_, services_->services);
        auto* box = new QWidget(&savings, Qt::Dialog); // as a message box of the window
        QVERIFY(testing::showAndActivate(box));
        QTest::keyClick(box, Qt::Key_F1);
        QCOMPARE(services_->helpViewer.pages, QStringList{QStringLiteral("savings.html")});
    }

    void theProgramGoesOnAfterTheManualOverADialog_data() {
        QTest::addColumn<QString>("dialog");
        for (const char* name : {"settings", "additional", "days", "date", "record", "print-header",
                                 "yearly", "message", "file"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // F1 in a dialog opens the manual over it; once the manual is closed, keys and clicks
    // delivered through the window system, as a user's are, must reach the dialog again.
    void theProgramGoesOnAfterTheManualOverADialog() {
        QFETCH(QString, dialog);
        ManualViewer viewer(services_->messenger, services_->beeper, services_->fileDialogs,
                            services_->printer);
        HelpKey key(state_, viewer, nullptr);
        qApp->installEventFilter(&key);
        UserInputSeen seen;
        openDialog(dialog, [&](QDialog* shown) {
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            QTest::keyClick(shown->windowHandle(), Qt::Key_F1);
            QVERIFY(viewer.window() && QTest::qWaitForWindowExposed(viewer.window()));
            QTest::keyClick(viewer.window()->windowHandle(), Qt::Key_Escape);
            QTRY_VERIFY(!viewer.window()->isVisible());

            seen.window = shown;
            qApp->installEventFilter(&seen);
            QTest::keyClick(shown->windowHandle(), Qt::Key_F13);
            QTest::mouseClick(shown->windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
        });
        QVERIFY(seen.key && seen.click);
    }

    void theManualOpensMaximisedFocusedAndNonModal() {
        ManualViewer viewer(services_->messenger, services_->beeper, services_->fileDialogs,
                            services_->printer);
        viewer.showPage(QStringLiteral("mortgage.html"));
        HelpWindow* window = viewer.window();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->windowState() & Qt::WindowMaximized);
        QCOMPARE(window->windowModality(), Qt::NonModal);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), window->browser());
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("Planning your mortgage")));
        QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("902.91")));
        QVERIFY(services_->messenger.shown.isEmpty());

        // Asking again reuses the one window at the new page.
        viewer.showPage(help::ContentsPage);
        QCOMPARE(viewer.window(), window);
        QVERIFY(window->browser()->source().path().endsWith(help::ContentsPage));
        window->close();
    }

    // However wide the window, a line of the page is no longer than a printed page's; in a
    // narrower window it follows the window.
    void thePageLinesAreNoLongerThanAPrintedPage() {
        ManualViewer viewer(services_->messenger, services_->beeper, services_->fileDialogs,
                            services_->printer);
        viewer.showPage(help::ContentsPage);
        QTextBrowser* page = viewer.window()->browser();
        viewer.window()->showNormal();
        viewer.window()->resize(2000, 600);
        QTRY_COMPARE(page->lineWrapColumnOrWidth(), 8 * page->logicalDpiX());
        viewer.window()->resize(viewer.window()->minimumSizeHint().width(), 600);
        QTRY_VERIFY(page->lineWrapColumnOrWidth() <= page->viewport()->width());
    }

    void aMissingPageIsReportedAndTheProgramGoesOn() {
        ManualViewer viewer(services_->messenger, services_->beeper, services_->fileDialogs,
                            services_->printer);
        viewer.showPage(QStringLiteral("no-such-page.html"));
        QCOMPARE(testing::messages(services_->messenger),
                 QStringList{help::ManualMissingTitle + QLatin1Char('|') +
                             help::manualMissingText(QStringLiteral("no-such-page.html"))});
        QVERIFY(!viewer.window());

        viewer.showPage(help::ContentsPage); // the manual still works afterwards
        QVERIFY(viewer.window() && viewer.window()->isVisible());
        viewer.window()->close();
    }

    void linksBackForwardAndFind() {
        ManualViewer viewer(services_->messenger, services_->beeper, services_->fileDialogs,
                            services_->printer);
        viewer.showPage(help::ContentsPage);
        HelpWindow* window = viewer.window();
        QTextBrowser* page = window->browser();
        QVERIFY(!child<QPushButton>(window, "HelpBack")->isEnabled());

        page->setSource(QUrl(QStringLiteral("savings.html"))); // as a click on the link does
        QVERIFY(page->source().path().endsWith(QStringLiteral("savings.html")));
        clickButton(window, "HelpBack");
        QVERIFY(page->source().path().endsWith(help::ContentsPage));
        clickButton(window, "HelpForward");
        QVERIFY(page->source().path().endsWith(QStringLiteral("savings.html")));

        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(page, Qt::Key_F, Qt::ControlModifier);
        auto* find = child<QLineEdit>(window, "HelpFind");
        QCOMPARE(QApplication::focusWidget(), find);
        QTest::keyClicks(find, QStringLiteral("566,377.32"));
        QVERIFY(find->isClearButtonEnabled()); // there is something to clear
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(page->textCursor().selectedText(), QStringLiteral("566,377.32"));
        // Past the only match the search wraps round and finds it again.
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(page->textCursor().selectedText(), QStringLiteral("566,377.32"));
        QCOMPARE(services_->beeper.count, 0);

        find->clear();
        QTest::keyClicks(find, QStringLiteral("zebra crossing"));
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(services_->beeper.count, 1);
        window->close();
    }

    // Everything by keyboard: a link by Tab and Enter, Back and Forward by Alt and the arrows
    // from the page and from the find box, Escape out of the find box and then out of the
    // manual, whose program goes on.
    void theKeyboardAloneWorksTheManual() {
        ManualViewer viewer(services_->messenger, services_->beeper, services_->fileDialogs,
                            services_->printer);
        viewer.showPage(help::ContentsPage);
        HelpWindow* window = viewer.window();
        QTextBrowser* page = window->browser();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), page);

        // Three pages seen, so a key that went two steps would show.
        const auto showing = [page](const QString& file) {
            return page->source().path().endsWith(file);
        };
        const QString gettingStarted = QStringLiteral("getting-started.html");
        QTest::keyClick(page, Qt::Key_Tab); // the first link of the contents
        QTest::keyClick(page, Qt::Key_Return);
        QVERIFY(showing(gettingStarted));
        QTest::keyClick(page, Qt::Key_Tab); // its link back to the contents
        QTest::keyClick(page, Qt::Key_Return);
        QVERIFY(showing(help::ContentsPage));
        QTest::keyClick(page, Qt::Key_Left, Qt::AltModifier);
        QVERIFY(showing(gettingStarted));

        QTest::keyClick(page, Qt::Key_F, Qt::ControlModifier);
        auto* find = child<QLineEdit>(window, "HelpFind");
        QCOMPARE(QApplication::focusWidget(), find);
        QTest::keyClick(find, Qt::Key_Left, Qt::AltModifier);
        QVERIFY(showing(help::ContentsPage));
        QTest::keyClick(find, Qt::Key_Right, Qt::AltModifier);
        QVERIFY(showing(gettingStarted));
        QTest::keyClicks(find, QStringLiteral("Exit"));
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(page->textCursor().selectedText(), QStringLiteral("Exit"));

        QTest::keyClick(find, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), page);
        QVERIFY(window->isVisible());
        QCOMPARE(page->textCursor().selectedText(), QStringLiteral("Exit"));
        QTest::keyClick(page, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QVERIFY(services_->printer.printed.isEmpty());
        QCOMPARE(services_->beeper.count, 0);

        viewer.showPage(QStringLiteral("using-the-manual.html")); // and opens again
        QVERIFY(window->isVisible());
        window->close();
    }

    // Tab walks the links of a page and then moves on to the window's buttons.
    void tabLeavesThePageAfterItsLinks() {
        ManualViewer viewer(services_->messenger, services_->beeper, services_->fileDialogs,
                            services_->printer);
        viewer.showPage(QStringLiteral("using-the-manual.html")); // two links
        QTextBrowser* page = viewer.window()->browser();
        QVERIFY(QTest::qWaitForWindowActive(viewer.window()));
        int presses = 0;
        while (QApplication::focusWidget() == page && presses < 20) {
            QTest::keyClick(page, Qt::Key_Tab);
            ++presses;
        }
        QCOMPARE(presses, 3);
        viewer.window()->close();
    }

    // Ctrl+P or the button: the page shown goes to the printer under the hourglass, named after
    // the page, and keeps its text when the viewer moves on to another page.
    void printingSendsThePageShownToThePrinter() {
        ManualViewer viewer(services_->messenger, services_->beeper, services_->fileDialogs,
                            services_->printer);
        viewer.showPage(QStringLiteral("mortgage.html"));
        HelpWindow* window = viewer.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QString mortgage = window->browser()->toPlainText();
        QTest::keyClick(window->browser(), Qt::Key_P, Qt::ControlModifier);
        window->browser()->setSource(QUrl(QStringLiteral("savings.html")));
        clickButton(window, "HelpPrint");

        const QList<render::PrintDocument>& printed = services_->printer.printed;
        QCOMPARE(printed.size(), 2);
        QCOMPARE(printed.at(0).name, QStringLiteral("Planning your mortgage"));
        QCOMPARE(printedText(printed.at(0)), mortgage);
        QCOMPARE(printed.at(1).name, QStringLiteral("Planning your savings"));
        QCOMPARE(printedText(printed.at(1)), window->browser()->toPlainText());
        QCOMPARE(services_->printer.busyWhilePrinting, (QList<bool>{true, true}));
        QVERIFY(services_->messenger.shown.isEmpty());
        window->close();
    }

    void everyLinkOfTheManualResolvesAndEveryPageIsReachable() {
        static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
        static const QRegularExpression anchor(QStringLiteral("id=\"([^\"]+)\""));
        QSet<QString> reached{help::ContentsPage};
        QStringList toVisit{help::ContentsPage};
        int links = 0;
        while (!toVisit.isEmpty()) {
            const QString file = toVisit.takeFirst();
            const QString html = manualText(file);
            QVERIFY2(!html.isEmpty(), qPrintable(file));
            for (const auto& match : link.globalMatch(html)) {
                const QString target = match.captured(1);
                ++links;
                QVERIFY2(!target.contains(QLatin1Char(':')),
                         qPrintable(file + " leaves the manual: " + target));
                const QString targetFile = target.section(QLatin1Char('#'), 0, 0);
                const QString resolved = targetFile.isEmpty() ? file : targetFile;
                QVERIFY2(QFile::exists(help::ManualRoot + resolved),
                         qPrintable(file + " -> " + target));
                const QString fragment = target.section(QLatin1Char('#'), 1);
                if (!fragment.isEmpty()) {
                    QSet<QString> ids;
                    for (const auto& id : anchor.globalMatch(manualText(resolved)))
                        ids.insert(id.captured(1));
                    QVERIFY2(ids.contains(fragment), qPrintable(file + " -> " + target));
                }
                if (resolved.endsWith(QLatin1String(".html")) && !reached.contains(resolved)) {
                    reached.insert(resolved);
                    toVisit.append(resolved);
                }
            }
        }
        QVERIFY(links > 50);
        const QStringList all = manualFiles();
        for (const QString& file : all)
            QVERIFY2(reached.contains(file), qPrintable(file + " is not linked from anywhere"));
        QVERIFY(all.size() >= 15);
    }

    void everyCaptionTheManualQuotesIsOnAWindow() {
        QSet<QString> shown;
        for (const char* name :
             {"menu", "settings", "mortgage", "loan", "additional", "days", "date", "budget",
              "record", "record-delete", "savings", "yearly", "graph", "print-header"}) {
            std::unique_ptr<QWidget> window = makeWindow(QString::fromLatin1(name));
            collectTexts(window.get(), shown);
        }
        ManualViewer viewer(services_->messenger, services_->beeper, services_->fileDialogs,
                            services_->printer);
        viewer.showPage(help::ContentsPage);
        collectTexts(viewer.window(), shown);
        viewer.window()->close();

        static const QRegularExpression quoted(QStringLiteral("<span class=\"ui\">(.*?)</span>"),
                                               QRegularExpression::DotMatchesEverythingOption);
        QStringList unknown;
        int checked = 0;
        for (const QString& file : manualFiles()) {
            for (const auto& match : quoted.globalMatch(manualText(file))) {
                const QString caption =
                    asSeen(QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText());
                ++checked;
                if (!shown.contains(caption) && !toggledCaptions().contains(caption))
                    unknown.append(file + ": " + caption);
            }
        }
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1Char('\n'))));
        QVERIFY(checked > 150);
    }

private:
    static QString printedText(const render::PrintDocument& printed) {
        const auto* text = std::get_if<render::PrintedText>(&printed.content);
        return text && text->document ? text->document->toPlainText() : QString();
    }

    // Captions a button takes on once pressed.
    static QSet<QString> toggledCaptions() {
        return {QStringLiteral("Close Help"), QStringLiteral("View payment No.")};
    }

    // Shows the dialog as the program does, runs `whileOpen` in its loop, then closes it.
    void openDialog(const QString& name, const std::function<void(QDialog*)>& whileOpen) {
        QWidget parent;
        parent.setObjectName(QStringLiteral("MortgageCalc"));
        QVERIFY(testing::showAndActivate(&parent));
        QTimer::singleShot(0, this, [&whileOpen] {
            auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            whileOpen(shown);
            shown->done(QDialog::Rejected);
        });
        if (name == QLatin1String("message")) {
            QtMessenger().show(&parent,
                               Message{QStringLiteral("Some text."), QStringLiteral("Help"),
                                       MessageButtons::Ok, MessageIcon::None});
        } else if (name == QLatin1String("file")) {
            QtFileDialogs().choose(&parent,
                                   FileDialogRequest{FileDialogKind::Open,
                                                     QStringLiteral("Budget Files (*.bgt)|*.bgt"),
                                                     QDir::tempPath(),
                                                     QString(),
                                                     {},
                                                     {}});
        } else {
            std::unique_ptr<QWidget> window = makeWindow(name);
            auto* dialog = qobject_cast<QDialog*>(window.get());
            QVERIFY(dialog);
            dialog->setParent(&parent, dialog->windowFlags());
            ModalLoop::exec(*dialog);
            dialog->setParent(nullptr);
        }
    }

    std::unique_ptr<QWidget> makeWindow(const QString& name) {
        Services& services = services_->services;
        if (name == QLatin1String("menu"))
            return std::make_unique<MenuMain>(state_, services);
        if (name == QLatin1String("settings"))
            return std::make_unique<ChangeFnt>(state_);
        if (name == QLatin1String("mortgage") || name == QLatin1String("loan")) {
            state_.PlanKind = name == QLatin1String("loan") ? LoanPlan : MortgagePlan;
            return std::make_unique<MortgageCalc>(state_, services);
        }
        if (name == QLatin1String("additional"))
            return std::make_unique<MortPrePay>(extras_, extraCount_, 25, state_, services);
        if (name == QLatin1String("days"))
            return std::make_unique<MortIRFTable>(days_);
        if (name == QLatin1String("date"))
            return std::make_unique<MortDateInput>(state_, services);
        if (name == QLatin1String("budget"))
            return std::make_unique<Budget>(state_, services);
        if (name == QLatin1String("record") || name == QLatin1String("record-delete")) {
            const auto purpose = name == QLatin1String("record") ? InRecNum::Purpose::Change
                                                                 : InRecNum::Purpose::Delete;
            return std::make_unique<InRecNum>(purpose, state_, services_->beeper);
        }
        if (name == QLatin1String("savings"))
            return std::make_unique<SavingsCalc>(state_, services);
        if (name == QLatin1String("graph"))
            return std::make_unique<GraphsAll>(state_, services);
        if (name == QLatin1String("print-header"))
            return std::make_unique<PrinterHeaderInput>(state_);
        if (name == QLatin1String("viewer"))
            return std::make_unique<HelpWindow>(services);
        return std::make_unique<YearSaveCalc>(state_, services);
    }

    AppState state_;
    mortgage::DaysInYearSetting days_ = mortgage::daysInYearSetting(1);
    mortgage::ExtraPayments extras_{};
    int extraCount_ = 0;
    std::unique_ptr<testing::TestServices> services_;
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
