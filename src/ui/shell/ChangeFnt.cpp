#include "ui/shell/ChangeFnt.h"

#include "core/format/RightAlign.h"
#include "core/settings/PersonalSettings.h"
#include "core/state/AppState.h"
#include "core/state/SettingsTexts.h"
#include "core/state/SharedCaptions.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/InputBox.h"
#include "ui/common/Twips.h"

#include <QButtonGroup>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pennywell::ui {
namespace {

const QString DoubleQuote = QStringLiteral("\"");

} // namespace

ChangeFnt::ChangeFnt(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("ChangeFnt"));
    setWindowTitle(settings_texts::WindowCaption);
    setAccessibleDescription(settings_texts::WindowDescription);
    setFixedSize(fromTwips(3735), fromTwips(4710));

    buildFontOptions();

    auto* nameLabel = new QLabel(settings_texts::NameLabel, this);
    nameLabel->setObjectName(QStringLiteral("Label3"));
    nameLabel->setGeometry(twipsRect(240, 2280, 3255, 285));

    inMyName_ = new QLineEdit(state_.settings.UserName, this);
    inMyName_->setObjectName(QStringLiteral("InMyName"));
    inMyName_->setMaxLength(PersonalSettings::MaximumNameLength);
    inMyName_->setGeometry(twipsRect(240, 2580, 3255, 360));
    nameAfterLabel(inMyName_, nameLabel);

    auto* currencyLabel = new QLabel(settings_texts::CurrencyLabel, this);
    currencyLabel->setObjectName(QStringLiteral("Label2"));
    currencyLabel->setGeometry(twipsRect(120, 3150, 2800, 285));

    inCurrency_ = new QLineEdit(state_.settings.CurrencySymbol, this);
    inCurrency_->setObjectName(QStringLiteral("InCurrency"));
    inCurrency_->setMaxLength(PersonalSettings::MaximumSymbolLength);
    inCurrency_->setFont(fixedPitchFont());
    inCurrency_->setGeometry(twipsRect(2955, 3105, 540, 360));
    nameAfterLabel(inCurrency_, currencyLabel);

    exitFonts_ = addButton(this, "ExitFonts", ExitToMenuCaption, twipsRect(840, 3840, 2055, 450));
    exitFonts_->setAutoDefault(false); // not the default: Enter on an option does nothing
    connect(exitFonts_, &QPushButton::clicked, this, &ChangeFnt::saveSettings);

    attachInputBehaviour();
}

void ChangeFnt::buildFontOptions() {
    auto* frame = new QGroupBox(settings_texts::FontFrame, this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(240, 120, 3255, 2000));

    const QStringList captions = {settings_texts::StandardFontOption,
                                  settings_texts::Courier10Option, settings_texts::Courier11Option,
                                  settings_texts::Courier12Option};
    fontOptions_ = new QButtonGroup(this);
    for (int index = 0; index < captions.size(); ++index) {
        auto* option = new QRadioButton(captions[index], frame);
        // One option group: every option is "PtrFt", its index is its place in the group.
        option->setObjectName(QStringLiteral("PtrFt"));
        option->setGeometry(twipsRect(240, 360 + index * 390, 2900, 330));
        fontOptions_->addButton(option, index);
    }
    fontOptions_->button(fontNumber(state_.settings.PrinterFontChoice))->setChecked(true);
    connect(fontOptions_, &QButtonGroup::idClicked, this, [this](int index) {
        state_.settings.PrinterFontChoice =
            printerFontNumbered(index).value_or(PrinterFont::Standard);
    });
}

void ChangeFnt::attachInputBehaviour() {
    InputBoxRules currency;
    currency.droppedKeys = DoubleQuote;
    currency.emptiesOnClick = true;
    currency.freeText = true;
    currency.onLeave = [](const QString& text) {
        return RightAlign(text, PersonalSettings::MaximumSymbolLength);
    };
    InputBox::attach(inCurrency_, state_, std::move(currency))->setNext(inMyName_);

    InputBoxRules name;
    name.droppedKeys = DoubleQuote;
    name.emptiesOnFirstKey = false;
    name.freeText = true;
    name.commitsWithoutEdit = true;
    name.onLeave = [this](const QString& text) {
        state_.settings.UserName = text;
        return text;
    };
    InputBox::attach(inMyName_, state_, std::move(name))->setNext(exitFonts_);
}

void ChangeFnt::saveSettings() {
    state_.settings.CurrencySymbol = inCurrency_->text().trimmed();
    // A failed write is not reported: the new values stay in use until the program ends.
    pennywell::saveSettings(QDir(state_.programFolder).filePath(SettingsFileName), state_.settings);
    state_.EditStarted = false;
    accept();
}

void ChangeFnt::reject() {
    exitFonts_->setFocus(Qt::OtherFocusReason); // the box being edited is left first
    saveSettings();
}

void ChangeFnt::keyPressEvent(QKeyEvent* event) {
    // Enter leads from the name box to the exit button, and on it presses it.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && exitFonts_->hasFocus()) {
        exitFonts_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pennywell::ui
