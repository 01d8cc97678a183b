#pragma once

#include "ui/common/Messenger.h"

namespace pennywell::ui {

class QtMessenger final : public Messenger {
public:
    MessageAnswer show(QWidget* parent, const Message& message) override;
};

} // namespace pennywell::ui
