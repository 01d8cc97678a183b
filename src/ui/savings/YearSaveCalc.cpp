#include "ui/savings/YearSaveCalc.h"

#include "core/savings/SavingsTexts.h"
#include "core/state/AppState.h"
#include "core/state/SharedCaptions.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/InputBox.h"
#include "ui/common/Messenger.h"
#include "ui/common/Services.h"
#include "ui/common/Twips.h"
#include "ui/common/WholeText.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pennywell::ui {
namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

QLineEdit* addBox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight);
    showAsFigureInput(box);
    box->setGeometry(geometry);
    return box;
}

} // namespace

YearSaveCalc::YearSaveCalc(AppState& state, Services& services, QWidget* parent)
    : QDialog(parent), state_(state), services_(services),
      session_(state.savings, state.settings.CurrencySymbol) {
    setObjectName(QStringLiteral("YearSaveCalc"));
    setWindowTitle(savings_texts::YearlyCaption);
    setAccessibleDescription(savings_texts::YearlyDescription);
    setFixedSize(fromTwips(5310), fromTwips(3780));
    buildControls();
    attachInputBehaviour();
    deposit_->setFocus(Qt::OtherFocusReason);
}

void YearSaveCalc::buildControls() {
    QLabel* depositLabel =
        addLabel(this, "Label2", savings_texts::DepositLabel, twipsRect(120, 210, 2760, 300));
    deposit_ = addBox(this, "inDeposit", twipsRect(2940, 150, 2190, 390));
    nameAfterLabel(deposit_, depositLabel);
    QLabel* rateLabel =
        addLabel(this, "Label3", savings_texts::YearlyRateLabel, twipsRect(120, 720, 2760, 300));
    rate_ = addBox(this, "inRate", twipsRect(2940, 660, 2190, 390));
    nameAfterLabel(rate_, rateLabel);

    QLabel* frequencyLabel =
        addLabel(this, "Label1", savings_texts::FrequencyLabel, twipsRect(120, 1200, 2400, 300));
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(120, 1500, 2400, 1380));
    nameAfterLabel(frame, frequencyLabel);
    frequencies_ = new QButtonGroup(this);
    int index = 0;
    for (const auto& [frequency, caption] : FrequencyOptions) {
        auto* option = new QRadioButton(QString::fromLatin1(caption), frame);
        option->setObjectName(QStringLiteral("Option%1").arg(index + 1));
        option->setGeometry(twipsRect(240, 150 + index * 390, 2040, 330));
        frequencies_->addButton(option, int(frequency));
        ++index;
    }
    frequencies_->button(int(InvestmentFrequency::Monthly))->setChecked(true);
    connect(frequencies_, &QButtonGroup::idClicked, this, &YearSaveCalc::calculate);

    QLabel* resultCaption = addLabel(this, "Label4", savings_texts::YearlyResultLabel,
                                     twipsRect(2760, 1200, 2370, 300));
    resultLabel_ = addLabel(this, "ResultAnt", QString(), twipsRect(2760, 1560, 2370, 420));
    nameAfterLabel(resultLabel_, resultCaption);
    resultLabel_->setFont(fixedPitchFont());
    resultLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    resultLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    keepTextWhole(resultLabel_);

    const auto buttonAt = [this](const char* name, const QString& caption, int left) {
        return addButton(this, name, caption, twipsRect(left, 3120, 1530, 450));
    };
    calculateButton_ = buttonAt("YCalc", CalculateCaption, 120);
    connect(calculateButton_, &QPushButton::clicked, this, &YearSaveCalc::calculate);
    connect(buttonAt("YInsert", savings_texts::InsertCaption, 1890), &QPushButton::clicked, this,
            &YearSaveCalc::insert);
    connect(buttonAt("YExit", ExitCaption, 3660), &QPushButton::clicked, this,
            &YearSaveCalc::exitDialog);
}

void YearSaveCalc::attachInputBehaviour() {
    auto rulesFor = [this](int slot) {
        InputBoxRules rules;
        rules.filter = amountKeyFilter(services_.beeper);
        rules.onFirstKey = [this] { resultLabel_->clear(); };
        rules.onLeave = [this, slot](const QString& text) {
            return answerCommit(this, services_, session_.commit(slot, text));
        };
        return rules;
    };
    InputBox::attach(deposit_, state_, rulesFor(YearlyDepositSlot))->setNext(rate_);
    InputBox::attach(rate_, state_, rulesFor(YearlyRateSlot))->setNext(calculateButton_);
}

void YearSaveCalc::calculate() {
    const YearlyAnswer answer = session_.calculate(InvestmentFrequency(frequencies_->checkedId()));
    if (answer.message)
        showMessage(*answer.message);
    else if (answer.result.outcome == YearlyOutcome::Calculated)
        resultLabel_->setText(answer.shown); // without a rate the label keeps what it showed
}

void YearSaveCalc::showMessage(const PlannerMessage& message) {
    services_.messenger.show(this, messageOf(message));
}

void YearSaveCalc::insert() {
    session_.insert();
    emit annualAmountInserted();
}

void YearSaveCalc::exitDialog() {
    session_.close();
    QDialog::accept();
}

void YearSaveCalc::reject() {
    exitDialog();
}

} // namespace pennywell::ui
