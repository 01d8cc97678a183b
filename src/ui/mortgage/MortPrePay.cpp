#include "ui/mortgage/MortPrePay.h"

#include "core/format/LeadingNumber.h"
#include "core/format/NumberFormat.h"
#include "core/state/AppState.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Beeper.h"
#include "ui/common/Colours.h"
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

void paintAsInput(QLineEdit* box) {
    showAsInputBox(box);
    box->setFont(fixedPitchFont());
    box->setAlignment(Qt::AlignRight);
}

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
    : QDialog(parent), extraPayments_(extraPayments), ExtraCount_(ExtraCount),
      TermYears_(int(std::lround(termYears))), state_(state), services_(services) {
    setObjectName(QStringLiteral("MortPrePay"));
    setWindowTitle(QStringLiteral("Additional Payments"));
    setAccessibleDescription(QStringLiteral("An additional payment for each year of the term"));
    setFixedSize(fromTwips(5400), fromTwips(5700));

    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("Label1"));
    note->setGeometry(twipsRect(240, 120, 4920, 60));

    auto* yearLabel = new QLabel(QStringLiteral("Year"), this);
    yearLabel->setGeometry(twipsRect(240, 180, 1200, 285));
    auto* amountLabel = new QLabel(QStringLiteral("Amount"), this);
    amountLabel->setGeometry(twipsRect(1560, 180, 2000, 285));

    inYear_ = new QLineEdit(this);
    inYear_->setObjectName(QStringLiteral("InYear"));
    paintAsInput(inYear_);
    inYear_->setMaxLength(3);
    inYear_->setGeometry(twipsRect(240, 480, 1200, 360));

    inPayment_ = new QLineEdit(this);
    inPayment_->setObjectName(QStringLiteral("InPayment"));
    paintAsInput(inPayment_);
    inPayment_->setMaxLength(12);
    inPayment_->setGeometry(twipsRect(1560, 480, 2000, 360));
    nameAfterLabel(inYear_, yearLabel);
    nameAfterLabel(inPayment_, amountLabel);

    usePrePay_ = new QPushButton(QStringLiteral("&OK"), this);
    usePrePay_->setObjectName(QStringLiteral("UsePrePay"));
    usePrePay_->setGeometry(twipsRect(3780, 480, 1380, 420));
    connect(usePrePay_, &QPushButton::clicked, this, &MortPrePay::useAll);

    auto* doNotUse = new QPushButton(QStringLiteral("&Erase all"), this);
    doNotUse->setObjectName(QStringLiteral("DoNotUse"));
    doNotUse->setGeometry(twipsRect(3780, 1020, 1380, 420));
    connect(doNotUse, &QPushButton::clicked, this, &MortPrePay::eraseAll);

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
    attachGridActions(pGrid_, services_,
                      {QStringLiteral("Additional Payments"), &state_.settings.CurrencySymbol});

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
    pGrid_->setHorizontalHeaderLabels(
        {QStringLiteral("Year Number"), QStringLiteral("Amount of Payment")});
    pGrid_->setColumnWidth(0, fromTwips(1250));
    pGrid_->setColumnWidth(1, fromTwips(1870));

    const int years = mortgage::lastExtraPaymentYear(TermYears_);
    bool anyAmount = false;
    for (int y = 1; y <= years; ++y)
        anyAmount = anyAmount || extraPayments_[std::size_t(y)].amount != Currency();
    for (int y = 1; y <= years; ++y) {
        mortgage::ExtraPayment& extra = extraPayments_[std::size_t(y)];
        if (!anyAmount)
            extra.year = Currency::fromUnits(std::int64_t(y) * Currency::UnitsPerWhole);
        pGrid_->setItem(y - 1, 0, cell(formatNumber(extra.year.toDouble(), u"###")));
        pGrid_->setItem(y - 1, 1, cell(formatNumber(extra.amount.toDouble(), u"###,###.00")));
    }
}

QString MortPrePay::checkYear(const QString& text) {
    const double year = leadingNumber(text);
    if (year > TermYears_ || year < 0) {
        refuseYear(QStringLiteral(" Year number does not exist."));
        currentYear_ = 0; // an amount must not land in an earlier year instead
        return text;
    }
    currentYear_ = int(year);
    return text;
}

QString MortPrePay::enterAmount(const QString& text) {
    if (text.isEmpty())
        return text;
    if (leadingNumber(inYear_->text()) <= 0) {
        refuseYear(QStringLiteral(" Must have a valid year number."));
        return QString();
    }
    if (currentYear_ < 1 || currentYear_ > mortgage::lastExtraPaymentYear(TermYears_)) {
        refuseYear(QStringLiteral(" Year number does not exist."));
        return QString();
    }
    const std::optional<Currency> amount = Currency::fromDouble(leadingNumber(text));
    if (!amount) {
        services_.beeper.beep();
        return QString();
    }
    extraPayments_[std::size_t(currentYear_)].amount = *amount;
    pGrid_->setItem(currentYear_ - 1, 1, cell(formatNumber(amount->toDouble(), u"##,,###.00")));
    inYear_->clear();
    return QString();
}

void MortPrePay::refuseYear(const QString& message) {
    services_.messenger.show(this, Message{message, QStringLiteral("Help")});
    QTimer::singleShot(0, inYear_, [this] { inYear_->setFocus(Qt::OtherFocusReason); });
}

void MortPrePay::useAll() {
    usePrePay_->setFocus(Qt::OtherFocusReason); // an amount being typed is entered first
    ExtraCount_ = mortgage::extraPaymentYears(extraPayments_, TermYears_);
    accept();
}

void MortPrePay::eraseAll() {
    for (int y = 1; y <= mortgage::lastExtraPaymentYear(TermYears_); ++y)
        extraPayments_[std::size_t(y)].amount = Currency();
    ExtraCount_ = 0;
    accept();
}

void MortPrePay::reject() {
    useAll(); // closing by the title bar keeps what was entered, as "OK" does
}

} // namespace pennywell::ui
