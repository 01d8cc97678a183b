#include "ui/help/HelpWindow.h"

#include "core/help/HelpTexts.h"
#include "core/help/ManualPages.h"
#include "core/state/ProgramName.h"
#include "ui/common/Beeper.h"
#include "ui/common/Services.h"
#include "ui/printing/ReportPrinting.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

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

const QString HelpTitle = ProgramName + help::TitleSuffix;

// The page, its lines no longer than a printed page's however wide the screen: a line across a
// whole wide screen is hard to follow back to its start. Each change of the line width lays the
// whole page out again, so the page starts at the longest line, which a maximised window keeps.
class ManualPage final : public QTextBrowser {
public:
    ManualPage() {
        setLineWrapMode(FixedPixelWidth);
        setLineWrapColumnOrWidth(longestLine());
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        const int available = contentsRect().width() -
                              style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        if (const int width = std::min(available, longestLine()); width != lineWrapColumnOrWidth())
            setLineWrapColumnOrWidth(width);
        QTextBrowser::resizeEvent(event);
    }

private:
    int longestLine() const {
        constexpr int MaxLineInches = 8;
        return MaxLineInches * logicalDpiX();
    }
};

// A key that works wherever the focus is in the window.
template <typename Slot> void addShortcut(QWidget* window, const QKeySequence& keys, Slot slot) {
    auto* shortcut = new QShortcut(keys, window);
    QObject::connect(shortcut, &QShortcut::activated, window, slot);
}

// The page with the paper and ink of the manual's style sheet: the list bullets are drawn in
// the widget's own text colour, which must match them rather than a dark desktop theme.
QTextBrowser* manualPage() {
    auto* page = new ManualPage;
    page->setObjectName(QStringLiteral("HelpPage"));
    page->setAccessibleName(QStringLiteral("Manual page"));
    page->setOpenExternalLinks(false); // the manual never leaves the program
    QPalette paper = page->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, QColor(0x1a, 0x1a, 0x1a));
    page->setPalette(paper);
    page->setOpenLinks(true);
    return page;
}

} // namespace

HelpWindow::HelpWindow(Services& services) : services_(services) {
    setObjectName(QStringLiteral("HelpViewer"));
    setAccessibleName(HelpTitle);
    setAccessibleDescription(help::WindowDescription);
    setAttribute(Qt::WA_QuitOnClose, false); // the menu alone decides when the program ends

    browser_ = manualPage();
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showPageTitle);
    auto* toolbar = new QHBoxLayout;
    addNavigation(toolbar);
    toolbar->addSpacing(24);
    addFind(toolbar);
    toolbar->addSpacing(24);
    QPushButton* print =
        addButton(toolbar, "HelpPrint", help::PrintCaption, QStringLiteral("Print this page"));
    connect(print, &QPushButton::clicked, this, &HelpWindow::printPage);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolbar);
    layout->addWidget(browser_, 1);
    addShortcuts();
}

void HelpWindow::addNavigation(QHBoxLayout* toolbar) {
    QPushButton* contents = addButton(toolbar, "HelpContents", help::ContentsCaption,
                                      QStringLiteral("Contents of the manual"));
    back_ = addButton(toolbar, "HelpBack", help::BackCaption,
                      QStringLiteral("Back to the previous page"));
    forward_ = addButton(toolbar, "HelpForward", help::ForwardCaption,
                         QStringLiteral("Forward to the next page"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { present(help::ContentsPage); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
}

void HelpWindow::addFind(QHBoxLayout* toolbar) {
    auto* findLabel = new QLabel(help::FindLabel);
    findBox_ = new QLineEdit;
    findBox_->setObjectName(QStringLiteral("HelpFind"));
    findBox_->setAccessibleName(QStringLiteral("Find in this page"));
    // The clear button shows only while there is something to clear. Its icon comes from the
    // desktop's icon theme, whose index takes most of a frame to read the first time, so the
    // button is added with the first text rather than when the manual opens.
    connect(findBox_, &QLineEdit::textChanged, findBox_,
            [box = findBox_] { box->setClearButtonEnabled(true); });
    findLabel->setBuddy(findBox_);
    toolbar->addWidget(findLabel);
    toolbar->addWidget(findBox_, 1);
    QPushButton* next = addButton(toolbar, "HelpFindNext", help::FindNextCaption,
                                  QStringLiteral("Find the next match"));
    QPushButton* previous = addButton(toolbar, "HelpFindPrevious", help::FindPreviousCaption,
                                      QStringLiteral("Find the previous match"));
    connect(findBox_, &QLineEdit::returnPressed, this, [this] { findNext(false); });
    connect(next, &QPushButton::clicked, this, [this] { findNext(false); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });
}

void HelpWindow::addShortcuts() {
    addShortcut(this, QKeySequence::Find, [this] {
        findBox_->setFocus(Qt::ShortcutFocusReason);
        findBox_->selectAll();
    });
    addShortcut(this, QKeySequence::Print, [this] { printPage(); });
    // From the find box as well as from the page, which knows these keys only itself.
    addShortcut(this, QKeySequence::Back, [this] { browser_->backward(); });
    addShortcut(this, QKeySequence::Forward, [this] { browser_->forward(); });
}

void HelpWindow::present(const QString& page) {
    belongToModalDialog();
    browser_->setSource(manualUrl(page));
    // Without a window manager to maximise it, the window still covers the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && !isVisible())
        setGeometry(screen->availableGeometry());
    showMaximized();
    raise();
    activateWindow();
    browser_->setFocus(Qt::OtherFocusReason);
}

// A window opened over a modal dialog is blocked by it, except one the dialog owns. So the
// manual asked for from a dialog is shown as the dialog's own window: both can be used, and
// closing the manual leaves nothing behind that could block the program. (Making the manual
// modal itself instead left the program taking no input once the manual was closed.)
void HelpWindow::belongToModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && (modal == this || isAncestorOf(modal)))
        return; // the manual's own print dialog: the manual waits for it like any window
    if (!windowHandle())
        create();
    QWindow* owner = modal ? modal->windowHandle() : nullptr;
    if (windowHandle()->transientParent() == owner)
        return;
    hide(); // the window system takes the owner when the window is shown
    windowHandle()->setTransientParent(owner);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Escape leaves the find box for the page, the match still selected; from anywhere else
    // it closes the manual.
    if (focusWidget() == findBox_)
        browser_->setFocus(Qt::OtherFocusReason);
    else
        close();
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
        services_.beeper.beep();
}

void HelpWindow::printPage() {
    // The printer lays the page out again for paper, so it gets a copy of its own.
    const render::PrintDocument page{
        pageTitle(),
        render::PrintedText{std::shared_ptr<const QTextDocument>(browser_->document()->clone())}};
    printDocument(this, services_, page);
}

QString HelpWindow::pageTitle() const {
    const QString title = browser_->documentTitle();
    return title.isEmpty() ? HelpTitle : title;
}

void HelpWindow::showPageTitle() {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? HelpTitle : title + help::TitleSeparator + HelpTitle);
}

} // namespace pennywell::ui
