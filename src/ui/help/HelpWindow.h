#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace pennywell::ui {

class Beeper;

// The manual's own window: one page at a time, links between pages, Back and Forward, and a
// find box (Ctrl+F). It stays open beside the program until the user closes it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(Beeper& beeper);

    // Shows a page (a file of the manual, optionally with "#anchor") maximised and focused.
    void present(const QString& page);

    QTextBrowser* browser() const { return browser_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void findNext(bool backwards);
    void showPageTitle();

    Beeper& beeper_;
    QTextBrowser* browser_;
    QLineEdit* findBox_;
    QPushButton* back_;
    QPushButton* forward_;
};

} // namespace pennywell::ui
