#include "ui/budget/InRecNum.h"

#include "core/budget/BudgetTexts.h"
#include "core/format/LeadingNumber.h"
#include "core/state/SharedCaptions.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Fonts.h"
#include "ui/common/InputBox.h"
#include "ui/common/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <climits>
#include <cmath>

namespace pennywell::ui {
namespace {

// Rounding follows the current mode, which is to-nearest-even; a number too large for a
// record number becomes one that does not exist rather than overflowing.
int roundedRecordNumber(double value) {
    const double rounded = std::nearbyint(value);
    if (rounded >= double(INT_MAX))
        return INT_MAX;
    if (rounded <= double(INT_MIN))
        return INT_MIN;
    return int(rounded);
}

} // namespace

InRecNum::InRecNum(Purpose purpose, AppState& state, Beeper& beeper, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("InRecNum"));
    setWindowTitle(budget_texts::RecordPromptCaption);
    setAccessibleDescription(budget_texts::RecordPromptDescription);
    setFixedSize(fromTwips(2880), fromTwips(1500));

    auto* label = new QLabel(purpose == Purpose::Delete ? budget_texts::DeletePromptLabel
                                                        : budget_texts::ChangePromptLabel,
                             this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setGeometry(twipsRect(120, 120, 1740, 600));

    curVal_ = new QLineEdit(this);
    curVal_->setObjectName(QStringLiteral("CurVal"));
    curVal_->setFont(fixedPitchFont());
    curVal_->setAlignment(Qt::AlignRight);
    curVal_->setGeometry(twipsRect(1920, 240, 840, 360));
    nameAfterLabel(curVal_, label);

    auto* accept = new QPushButton(OkCaption, this);
    accept->setObjectName(QStringLiteral("Accept"));
    accept->setGeometry(twipsRect(240, 900, 1080, 420));
    auto* cancel = new QPushButton(CancelCaption, this);
    cancel->setObjectName(QStringLiteral("NoAccept"));
    cancel->setGeometry(twipsRect(1560, 900, 1080, 420));
    cancel->setAutoDefault(false);

    InputBoxRules rules;
    rules.filter = amountKeyFilter(beeper);
    rules.emptiesOnFirstKey = false;
    InputBox::attach(curVal_, state, std::move(rules))->setNext(accept);

    connect(accept, &QPushButton::clicked, this, &InRecNum::acceptNumber);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    curVal_->setFocus();
}

void InRecNum::acceptNumber() {
    chosenRecord_ = roundedRecordNumber(leadingNumber(curVal_->text()));
    accept();
}

} // namespace pennywell::ui
