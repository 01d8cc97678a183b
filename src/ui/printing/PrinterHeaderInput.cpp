#include "ui/printing/PrinterHeaderInput.h"

#include "core/report/PrintMessages.h"
#include "core/state/SharedCaptions.h"
#include "ui/common/Controls.h"
#include "ui/common/InputBox.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pennywell::ui {

QString PrinterHeaderInput::ask(AppState& state, QWidget* parent) {
    PrinterHeaderInput dialog(state, parent);
    ModalLoop::exec(dialog);
    return dialog.headerLine();
}

PrinterHeaderInput::PrinterHeaderInput(AppState& state, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrinterHeaderInput"));
    setWindowTitle(report::print_messages::HeaderTitle);
    setAccessibleDescription(report::print_messages::HeaderDescription);
    setFixedSize(fromTwips(3990), fromTwips(1425));
    move(fromTwips(2565), fromTwips(4050));

    auto* label = new QLabel(report::print_messages::HeaderPrompt, this);
    label->setObjectName(QStringLiteral("FName"));
    label->setGeometry(twipsRect(120, 120, 3750, 300));

    inFName_ = new QLineEdit(this);
    inFName_->setObjectName(QStringLiteral("InFName"));
    inFName_->setAccessibleName(QStringLiteral("Header line"));
    inFName_->setGeometry(twipsRect(120, 450, 3750, 330));
    label->setBuddy(inFName_);

    auto* accept = addButton(this, "Acept", report::print_messages::ContinuePrintoutCaption,
                             twipsRect(120, 900, 1800, 420));
    accept->setAccessibleName(QStringLiteral("Continue printout"));
    auto* cancel = addButton(this, "NAcept", CancelCaption, twipsRect(2070, 900, 1800, 420));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);

    // As in the program's other text boxes, a double quote is dropped, typed or pasted.
    InputBoxRules rules;
    rules.droppedKeys = QStringLiteral("\"");
    rules.emptiesOnFirstKey = false;
    rules.freeText = true;
    InputBox::attach(inFName_, state, std::move(rules))->setNext(accept);

    connect(accept, &QPushButton::clicked, this, [this] {
        headerLine_ = inFName_->text();
        QDialog::accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    inFName_->setFocus();
}

} // namespace pennywell::ui
