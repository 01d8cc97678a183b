#pragma once

#include <QDialog>

class QLineEdit;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

// "PrinterHeaderInput": asks for the one line printed at the top of a report's first page.
class PrinterHeaderInput : public QDialog {
    Q_OBJECT
public:
    // The header line the user typed (possibly empty), or "1" when the dialog was cancelled.
    // A header typed as "1" therefore stops the printout as well.
    static QString ask(AppState& state, QWidget* parent);

    PrinterHeaderInput(AppState& state, QWidget* parent = nullptr);

    QString headerLine() const { return headerLine_; }

private:
    QLineEdit* inFName_;
    QString headerLine_ = QStringLiteral("1");
};

} // namespace pennywell::ui
