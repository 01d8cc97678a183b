#include "ui/mortgage/MortPrePay.h"

#include "core/format/LeadingNumber.h"
#include "core/format/NumberFormat.h"
#include "core/mortgage/MortgageTexts.h"
#include "core/state/AppState.h"
#include "core/state/SharedCaptions.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Beeper.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/GridActions.h"
#include "ui/common/InputBox.h"
#include "ui/common/Messenger.h"
#include "ui/common/Services.h"
#include "ui/common/Twips.h"
#include "ui/common/WholeText.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <cmath>

namespace pennywell::ui {
namespace {

constexpr int MinimumGridRows = 20;

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFont(fixedPitchFont()); // the amounts line up; the headings stay proportional
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable); // selected to be copied
    return item;
}

} // namespace

MortPrePay::MortPrePay(mortgage::ExtraPayments& extraPayments, int& ExtraCount, double termYears,
                       AppState& state, Services& services, QWidget* parent)
    : QDialog(parent), extraPayments_(extraPayments),
      entry_(extraPayments, ExtraCount, int(std::lround(termYears))),
      TermYears_(int(std::lround(termYears))), state_(state), services_(services) {
    setObjectName(QStringLiteral("MortPrePay"));
    setWindowTitle(mortgage::PrePayTitle);
    setAccessibleDescription(mortgage::PrePayDescription);
    setFixedSize(fromTwips(5400), fromTwips(5700));

    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("Label1"));
    note->setGeometry(twipsRect(240, 120, 4920, 60));
    addEntryBoxes();
    addButtons();
    addGrid();
    attachBoxes();
}

void MortPrePay::addEntryBoxes() {
    auto* yearLabel = new QLabel(mortgage::PrePayYearLabel, this);
    yearLabel->setGeometry(twipsRect(240, 180, 1200, 285));
    auto* amountLabel = new QLabel(mortgage::PrePayAmountLabel, this);
    amountLabel->setGeometry(twipsRect(1560, 180, 2000, 285));

    inYear_ = new QLineEdit(this);
    inYear_->setObjectName(QStringLiteral("InYear"));
    showAsFigureInput(inYear_);
    inYear_->setAlignment(Qt::AlignRight);
    inYear_->setMaxLength(3);
    inYear_->setGeometry(twipsRect(240, 480, 1200, 360));

    inPayment_ = new QLineEdit(this);
    inPayment_->setObjectName(QStringLiteral("InPayment"));
    showAsFigureInput(inPayment_);
    inPayment_->setAlignment(Qt::AlignRight);
    inPayment_->setMaxLength(12);
    inPayment_->setGeometry(twipsRect(1560, 480, 2000, 360));
    nameAfterLabel(inYear_, yearLabel);
    nameAfterLabel(inPayment_, amountLabel);
}

void MortPrePay::addButtons() {
    usePrePay_ = addButton(this, "UsePrePay", OkCaption, twipsRect(3780, 480, 1380, 420));
    connect(usePrePay_, &QPushButton::clicked, this, &MortPrePay::useAll);

    auto* doNotUse =
        addButton(this, "DoNotUse", mortgage::EraseAllCaption, twipsRect(3780, 1020, 1380, 420));
    connect(doNotUse, &QPushButton::clicked, this, &MortPrePay::eraseAll);
}

void MortPrePay::addGrid() {
    pGrid_ = new QTableWidget(this);
    pGrid_->setObjectName(QStringLiteral("PGrid"));
    pGrid_->setGeometry(twipsRect(240, 1020, 3450, 4440));
    pGrid_->verticalHeader()->hide();
    pGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    pGrid_->verticalHeader()->setDefaultSectionSize(fromTwips(285));
    pGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nameAfterCaption(pGrid_, QStringLiteral("Additional payments by year"));
    pGrid_->setFocusPolicy(Qt::ClickFocus); // out of the Tab order, but it takes Ctrl+C
    showYears();
    keepCellsWhole(pGrid_);
    // Its exports are offered under the dialog's title.
    attachGridActions(pGrid_, services_, {windowTitle(), &state_.settings.CurrencySymbol});
}

void MortPrePay::attachBoxes() {
    InputBoxRules year;
    year.filter = digitKeyFilter(services_.beeper);
    year.emptiesOnFirstKey = false;
    year.commitsWithoutEdit = true;
    year.onLeave = [this](const QString& text) { return checkYear(text); };
    InputBox::attach(inYear_, state_, std::move(year))->setNext(inPayment_);

    InputBoxRules amount;
    amount.filter = amountKeyFilter(services_.beeper);
    amount.emptiesOnFirstKey = false;
    amount.commitsWithoutEdit = true;
    amount.onLeave = [this](const QString& text) { return enterAmount(text); };
    InputBox::attach(inPayment_, state_, std::move(amount))->setNext(inYear_);
}

void MortPrePay::showYears() {
    pGrid_->setColumnCount(2);
    pGrid_->setRowCount(std::max(TermYears_ + 1, MinimumGridRows) - 1);
    pGrid_->setHorizontalHeaderLabels({mortgage::PrePayYearHeading, mortgage::PrePayAmountHeading});
    pGrid_->setColumnWidth(0, fromTwips(1250));
    pGrid_->setColumnWidth(1, fromTwips(1870));

    entry_.numberYears();
    for (int y = 1; y <= entry_.lastYear(); ++y) {
        const mortgage::ExtraPayment& extra = extraPayments_[std::size_t(y)];
        pGrid_->setItem(y - 1, 0, cell(formatNumber(extra.year.toDouble(), u"###")));
        pGrid_->setItem(y - 1, 1, cell(formatNumber(extra.amount.toDouble(), u"###,###.00")));
    }
}

QString MortPrePay::checkYear(const QString& text) {
    if (const auto refusal = entry_.chooseYear(leadingNumber(text)))
        refuseYear(*refusal);
    return text;
}

QString MortPrePay::enterAmount(const QString& text) {
    if (text.isEmpty())
        return text;
    if (const auto refusal = entry_.amountRefusal(leadingNumber(inYear_->text()))) {
        refuseYear(*refusal);
        return QString();
    }
    const std::optional<Currency> amount = Currency::fromDouble(leadingNumber(text));
    if (!amount) {
        services_.beeper.beep();
        return QString();
    }
    const int year = entry_.enter(*amount);
    pGrid_->setItem(year - 1, 1, cell(formatNumber(amount->toDouble(), u"##,,###.00")));
    inYear_->clear();
    return QString();
}

void MortPrePay::refuseYear(const PlannerMessage& message) {
    services_.messenger.show(this, messageOf(message));
    QTimer::singleShot(0, inYear_, [this] { inYear_->setFocus(Qt::OtherFocusReason); });
}

void MortPrePay::useAll() {
    usePrePay_->setFocus(Qt::OtherFocusReason); // an amount being typed is entered first
    entry_.accept();
    accept();
}

void MortPrePay::eraseAll() {
    entry_.eraseAll();
    accept();
}

void MortPrePay::reject() {
    useAll(); // closing by the title bar keeps what was entered, as "OK" does
}

} // namespace pennywell::ui
