#pragma once

namespace pennywell::ui {

// The system beep that answers a refused key; tests count it.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class SystemBeeper final : public Beeper {
public:
    void beep() override;
};

} // namespace pennywell::ui
