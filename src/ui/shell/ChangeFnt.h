#pragma once

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

// "ChangeFnt": the settings window for the printer font, the user's name and the currency
// symbol. Leaving it always rewrites the settings file.
class ChangeFnt : public QDialog {
    Q_OBJECT
public:
    explicit ChangeFnt(AppState& state, QWidget* parent = nullptr);

    // The title bar and Escape leave the window the way its Exit button does: every choice
    // has taken effect already, so there is nothing to cancel.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildFontOptions();
    void attachInputBehaviour();
    void saveSettings();

    AppState& state_;
    QButtonGroup* fontOptions_;
    QLineEdit* inMyName_;
    QLineEdit* inCurrency_;
    QPushButton* exitFonts_;
};

} // namespace pennywell::ui
