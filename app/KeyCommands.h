#pragma once
#include "platform/Component.h"
#include "platform/Control.h"

#include <cstdint>

namespace vorlane {

class TFormVorlane;

// The window's keys: F1, F12 and Escape, and the keys that stand for the buttons, each
// running its button's click handler, so a key and a click end the same way.
class KeyCommands {
public:
    explicit KeyCommands(TFormVorlane& form);

private:
    void FormKeyDown(TComponent* sender, std::uint16_t& key, ShiftState shift);
    // The keys for the buttons; returns whether the key ran one.
    bool RunButtonKey(std::uint16_t key, ShiftState shift);
    // A time field has the focus: it takes its keys itself.
    bool TimeFieldFocused() const;
    TFormVorlane& f_;
};

} // namespace vorlane
