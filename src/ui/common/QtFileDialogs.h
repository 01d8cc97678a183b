#pragma once

#include "ui/common/FileDialogs.h"

namespace pennywell::ui {

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> choose(QWidget* parent, const FileDialogRequest& request) override;
};

} // namespace pennywell::ui
