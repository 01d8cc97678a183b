#include "help/HelpWindow.h"

#include "common/Beeper.h"
#include "help/ManualPages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace pennywell::ui {
namespace {

QPushButton* addButton(QHBoxLayout* row, const char* name, const QString& caption,
                       const QString& accessibleName) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessibleName);
    row->addWidget(button);
    return button;
}

QUrl manualUrl(const QString& page) {
    return QUrl(QStringLiteral("qrc") + help::ManualRoot + page);
}

} // namespace

HelpWindow::HelpWindow(Beeper& beeper) : beeper_(beeper) {
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_QuitOnClose, false); // the menu alone decides when the program ends

    auto* toolbar = new QHBoxLayout;
    QPushButton* contents = addButton(toolbar, "HelpContents", QStringLiteral("&Contents"),
                                      QStringLiteral("Contents of the manual"));
    back_ = addButton(toolbar, "HelpBack", QStringLiteral("&Back"),
                      QStringLiteral("Back to the previous page"));
    forward_ = addButton(toolbar, "HelpForward", QStringLiteral("&Forward"),
                         QStringLiteral("Forward to the next page"));
    toolbar->addSpacing(24);

    auto* findLabel = new QLabel(QStringLiteral("F&ind:"));
    findBox_ = new QLineEdit;
    findBox_->setObjectName(QStringLiteral("HelpFind"));
    findBox_->setAccessibleName(QStringLiteral("Find in this page"));
    findBox_->setClearButtonEnabled(true);
    findLabel->setBuddy(findBox_);
    toolbar->addWidget(findLabel);
    toolbar->addWidget(findBox_, 1);
    QPushButton* next = addButton(toolbar, "HelpFindNext", QStringLiteral("Find &Next"),
                                  QStringLiteral("Find the next match"));
    QPushButton* previous = addButton(toolbar, "HelpFindPrevious", QStringLiteral("Find &Previous"),
                                      QStringLiteral("Find the previous match"));

    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("HelpPage"));
    browser_->setAccessibleName(QStringLiteral("Manual page"));
    browser_->setOpenExternalLinks(false); // the manual never leaves the program
    browser_->setOpenLinks(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolbar);
    layout->addWidget(browser_, 1);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { present(help::ContentsPage); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showPageTitle);
    connect(findBox_, &QLineEdit::returnPressed, this, [this] { findNext(false); });
    connect(next, &QPushButton::clicked, this, [this] { findNext(false); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });

    auto* findKey = new QShortcut(QKeySequence::Find, this);
    connect(findKey, &QShortcut::activated, this, [this] {
        findBox_->setFocus(Qt::ShortcutFocusReason);
        findBox_->selectAll();
    });
}

void HelpWindow::present(const QString& page) {
    // A window opened over a modal dialog would be blocked by it; the manual then takes the
    // dialog's modality for as long as it is open, so it can still be read and scrolled.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    browser_->setSource(manualUrl(page));
    // Without a window manager to maximise it, the window still covers the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && !isVisible())
        setGeometry(screen->availableGeometry());
    showMaximized();
    raise();
    activateWindow();
    browser_->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    setWindowModality(Qt::NonModal);
    event->accept();
}

void HelpWindow::findNext(bool backwards) {
    const QString wanted = findBox_->text();
    if (wanted.isEmpty())
        return;
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(wanted, flags))
        return;
    // Past the last match: start again from the other end of the page.
    browser_->moveCursor(backwards ? QTextCursor::End : QTextCursor::Start);
    if (!browser_->find(wanted, flags))
        beeper_.beep();
}

void HelpWindow::showPageTitle() {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Pennywell Win9 Help")
                                   : title + QStringLiteral(" - Pennywell Win9 Help"));
}

} // namespace pennywell::ui
