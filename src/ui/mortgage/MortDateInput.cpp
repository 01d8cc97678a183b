#include "ui/mortgage/MortDateInput.h"

#include "core/mortgage/MortgageTexts.h"
#include "core/mortgage/PaymentDates.h"
#include "core/state/AppState.h"
#include "core/state/SharedCaptions.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Controls.h"
#include "ui/common/InputBox.h"
#include "ui/common/Messenger.h"
#include "ui/common/Services.h"
#include "ui/common/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace pennywell::ui {
namespace {

// The box is wide enough for the system's own short form, whatever its length.
QString shortDate(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

} // namespace

MortDateInput::MortDateInput(AppState& state, Services& services, QWidget* parent)
    : QDialog(parent), state_(state), services_(services) {
    setObjectName(QStringLiteral("MortDateInput"));
    setWindowTitle(mortgage::DateInputTitle);
    setAccessibleDescription(mortgage::DateInputDescription);
    setFixedSize(fromTwips(3600), fromTwips(2220));

    auto* label = new QLabel(mortgage::FirstDateLabel, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(twipsRect(720, 120, 2160, 540));

    state_.EditStarted = false;
    inDate_ = new QLineEdit(shortDate(state_.FirstPayDate), this);
    inDate_->setObjectName(QStringLiteral("InDate"));
    showAsFigureInput(inDate_);
    inDate_->setAlignment(Qt::AlignCenter);
    inDate_->setGeometry(twipsRect(600, 780, 2400, 390));
    nameAfterLabel(inDate_, label);

    okExit_ = addButton(this, "OkExit", OkCaption, twipsRect(1080, 1440, 1440, 450));
    connect(okExit_, &QPushButton::clicked, this, &MortDateInput::reject);

    InputBoxRules rules;
    rules.commitsWithoutEdit = true; // every leave checks the date
    rules.onLeave = [this](const QString& text) { return checkedDate(text); };
    InputBox::attach(inDate_, state_, std::move(rules))->setNext(okExit_);
}

QString MortDateInput::checkedDate(const QString& text) {
    // The date as shown stands for the stored one: a short form with a two-digit year can't be
    // read back into a year outside this century.
    const QString shown = shortDate(state_.FirstPayDate);
    if (text == shown)
        return shown;
    const QDate date = mortgage::readDate(text);
    if (date.isValid()) {
        state_.FirstPayDate = date;
        return shortDate(date);
    }
    services_.messenger.show(this, Message{mortgage::NotADate, mortgage::DateEntryErrorTitle});
    QTimer::singleShot(0, inDate_, [this] { inDate_->setFocus(Qt::OtherFocusReason); });
    return shown;
}

void MortDateInput::keyPressEvent(QKeyEvent* event) {
    // Escape gets the user out: the previous date comes back unread, so no message is shown.
    if (event->key() == Qt::Key_Escape)
        inDate_->setText(shortDate(state_.FirstPayDate));
    QDialog::keyPressEvent(event);
}

void MortDateInput::reject() {
    // The date being typed is checked first, however the dialog is closed.
    okExit_->setFocus(Qt::OtherFocusReason);
    accept();
}

} // namespace pennywell::ui
