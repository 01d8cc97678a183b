#include "ui/mortgage/MortIRFTable.h"

#include "core/mortgage/MortgageTexts.h"
#include "core/state/SharedCaptions.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace pennywell::ui {

MortIRFTable::MortIRFTable(mortgage::DaysInYearSetting& days, QWidget* parent)
    : QDialog(parent), days_(days) {
    setObjectName(QStringLiteral("MortIRFTable"));
    setWindowTitle(mortgage::DaysInYearTitle);
    setAccessibleDescription(mortgage::DaysInYearDescription);
    setFixedSize(fromTwips(4200), fromTwips(3300));

    auto* frame = new QGroupBox(mortgage::DaysInYearFrame, this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(240, 120, 3720, 1800));

    auto* options = new QButtonGroup(this);
    const QStringList captions = mortgage::daysChoiceNames();
    for (int index = 0; index < captions.size(); ++index) {
        auto* option = new QRadioButton(captions[index], frame);
        // One option group: every option is "IRFactor", its index is its place in the group.
        option->setObjectName(QStringLiteral("IRFactor"));
        option->setGeometry(
            twipsRect(360 + (index % 2) * 1680, 420 + (index / 2) * 600, 1500, 390));
        options->addButton(option, index);
    }
    options->button(days_.DaysChoice)->setChecked(true);
    connect(options, &QButtonGroup::idClicked, this,
            [this](int index) { days_ = mortgage::daysInYearSetting(index); });

    auto* note = new QLabel(mortgage::DaysInYearNote, this);
    note->setObjectName(QStringLiteral("Label1"));
    note->setAlignment(Qt::AlignCenter);
    note->setGeometry(twipsRect(240, 2040, 3720, 300));

    auto* exit = addButton(this, "ExitMort", ExitCaption, twipsRect(1380, 2550, 1440, 450));
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace pennywell::ui
