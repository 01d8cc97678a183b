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

    // The title bar leaves the window the way its Exit button does.
    void reject() override;

protected:
    // Escape does not leave the window: it is left only through its button or title bar.
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
