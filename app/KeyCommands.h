#pragma once
#include "app/ImageButtonTable.h"
#include "platform/Component.h"
#include "platform/Control.h"

#include <cstdint>

namespace vorlane {

class TFormVorlane;

// The window's keys: F1, F12 and Escape, Space for play or pause, and the keys the image
// buttons' rows name, each running its row's command, so a key and a click end the same way.
class KeyCommands {
public:
    explicit KeyCommands(TFormVorlane& form);

private:
    void FormKeyDown(TComponent* sender, std::uint16_t& key, ShiftState shift);
    // The keys for the buttons; returns whether the key ran one.
    bool RunButtonKey(std::uint16_t key, ShiftState shift);
    // What a click on this button runs.
    void RunCommandOf(ImageButtonMember button);
    // Space: pause a sound that plays or rests paused, play one otherwise; returns whether
    // it did either.
    bool PlayOrPause();
    // A time field has the focus: it takes its keys itself.
    bool TimeFieldFocused() const;
    TFormVorlane& f_;
};

} // namespace vorlane
