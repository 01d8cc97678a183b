#include "TestServices.h"
#include "WindowTestSupport.h"
#include "budget/Budget.h"
#include "budget/InRecNum.h"
#include "mortgage/MortDateInput.h"
#include "mortgage/MortIRFTable.h"
#include "mortgage/MortPrePay.h"
#include "mortgage/MortgageCalc.h"
#include "mortgage/MortgageInputs.h"
#include "savings/SavingsCalc.h"
#include "savings/YearSaveCalc.h"
#include "shell/ChangeFnt.h"
#include "shell/MenuMain.h"
#include "state/AppState.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QTest>
#include <functional>
#include <memory>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

// Everything a window may be built from, fresh for each window.
struct WindowInputs {
    AppState state;
    TestServices services;
    mortgage::ExtraPayments extraPayments{};
    int extraCount = 0;
    mortgage::DaysInYearSetting days;
};

struct WindowCase {
    const char* name;
    std::function<QWidget*(WindowInputs&)> make;
};

// Every window of the program; a new window is one more line.
const WindowCase EveryWindow[] = {
    {"MenuMain", [](WindowInputs& in) { return new MenuMain(in.state, in.services.services); }},
    {"ChangeFnt", [](WindowInputs& in) { return new ChangeFnt(in.state); }},
    {"MortgageCalc",
     [](WindowInputs& in) { return new MortgageCalc(in.state, in.services.services); }},
    {"MortgageCalc (loan)",
     [](WindowInputs& in) {
         in.state.PlanKind = 2;
         return new MortgageCalc(in.state, in.services.services);
     }},
    {"MortPrePay",
     [](WindowInputs& in) {
         return new MortPrePay(in.extraPayments, in.extraCount, 25, in.state, in.services.services);
     }},
    {"MortIRFTable", [](WindowInputs& in) { return new MortIRFTable(in.days); }},
    {"MortDateInput",
     [](WindowInputs& in) { return new MortDateInput(in.state, in.services.services); }},
    {"Budget", [](WindowInputs& in) { return new Budget(in.state, in.services.services); }},
    {"InRecNum",
     [](WindowInputs& in) {
         return new InRecNum(InRecNum::Purpose::Change, in.state, in.services.beeper);
     }},
    {"SavingsCalc",
     [](WindowInputs& in) { return new SavingsCalc(in.state, in.services.services); }},
    {"YearSaveCalc",
     [](WindowInputs& in) { return new YearSaveCalc(in.state, in.services.services); }},
};

// What a screen reader announces for the control: a button its caption, any other control
// the name given to it (left alone, a box borrows its frame's title and a list its value).
QString spokenName(QWidget* control) {
    if (!control->accessibleName().isEmpty() || !qobject_cast<QAbstractButton*>(control))
        return control->accessibleName();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

// The controls the user can reach, hidden ones included (they show in another mode).
QList<QWidget*> focusableControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->window() == window && widget->focusPolicy() != Qt::NoFocus &&
            !widget->focusProxy() && !qobject_cast<QComboBox*>(widget->parentWidget()))
            controls.append(widget);
    return controls;
}

} // namespace

class EveryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasANameAndEveryWindowADescription() {
        QStringList faults;
        for (const WindowCase& windowCase : EveryWindow) {
            WindowInputs inputs;
            const std::unique_ptr<QWidget> window(windowCase.make(inputs));
            const QString name = QString::fromLatin1(windowCase.name);
            if (window->accessibleDescription().isEmpty())
                faults.append(name + " has no description");
            for (QWidget* control : focusableControls(window.get()))
                if (spokenName(control).isEmpty())
                    faults.append(name + ": " + control->objectName() + " (" +
                                  control->metaObject()->className() + ") has no name");
        }
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY(faults.isEmpty());
    }
};

QTEST_MAIN(EveryWindowTest)
#include "EveryWindowTest.moc"
