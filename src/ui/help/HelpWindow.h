#pragma once

#include <QWidget>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace pennywell::ui {

struct Services;

// The manual's own window: one page at a time, links between pages, Back and Forward
// (Alt+Left, Alt+Right), a find box (Ctrl+F) and printing of the page shown (Ctrl+P). It stays
// open beside the program until the user closes it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(Services& services);

    // Shows a page (a file of the manual, optionally with "#anchor") maximised and focused.
    void present(const QString& page);

    QTextBrowser* browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addNavigation(QHBoxLayout* toolbar);
    void addFind(QHBoxLayout* toolbar);
    void addShortcuts();
    void belongToModalDialog();
    void findNext(bool backwards);
    void printPage();
    QString pageTitle() const;
    void showPageTitle();

    Services& services_;
    QTextBrowser* browser_;
    QLineEdit* findBox_;
    QPushButton* back_;
    QPushButton* forward_;
};

} // namespace pennywell::ui
