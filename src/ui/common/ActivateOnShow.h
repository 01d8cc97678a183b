#pragma once

#include <QObject>

namespace pennywell::ui {

// Not every desktop gives a newly shown window the keyboard focus; without it a keyboard user
// would have to click before typing. This filter raises and activates every window (menu,
// planners, dialogs, message boxes) as it is shown. A window that must stay behind the others
// sets Qt::WA_ShowWithoutActivating.
class ActivateOnShow : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Installs the filter on the application object, once.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace pennywell::ui
