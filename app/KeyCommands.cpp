// The window's keys: each key for a button runs that button's click handler, so a key and a
// click end the same way.
#include "app/KeyCommands.h"
#include "app/AlarmSound.h"
#include "app/ClockTimeSelection.h"
#include "app/TimeDisplay.h"
#include "app/VorlaneSRC.h"
#include "app/WindowAndTray.h"
#include "platform/Keys.h"

namespace vorlane {

KeyCommands::KeyCommands(TFormVorlane& form) : f_(form) {
    f_.OnKeyDown = [this](TComponent* sender, std::uint16_t& key, ShiftState shift) {
        FormKeyDown(sender, key, shift);
    };
}

void KeyCommands::FormKeyDown(TComponent* /*sender*/, std::uint16_t& key, ShiftState shift) {
    switch (key) {
    case keys::kF1:
        f_.windowAndTray().mnuInfoClick(&f_);
        break;
    case keys::kF12:
        f_.windowAndTray().MinimizeToTray();
        break;
    case keys::kEscape:
        if (f_.selection().Selecting()) {
            f_.selection().btnTimeSelectionOkayClick(nullptr);
            key = 0;
            f_.App().RemovePendingChar();
        } else {
            f_.mnuExitClick(&f_);
        }
        break;
    default:
        if (RunButtonKey(key, shift)) {
            key = 0;
        }
        break;
    }
}

bool KeyCommands::TimeFieldFocused() const {
    const TControl* focused = f_.Focused();
    return focused == &f_.edtTimeMinutes || focused == &f_.edtTimeSeconds ||
           focused == &f_.cmbEndTimeComboBox;
}

bool KeyCommands::RunButtonKey(std::uint16_t key, ShiftState shift) {
    // A time field takes its keys itself (digits, arrows in the list), and shortcuts held
    // with Ctrl or Alt belong to the system.
    if (TimeFieldFocused() || shift.ctrl || shift.alt) {
        return false;
    }
    AlarmSound& sound = f_.sound();
    switch (key) {
    case keys::kUp:
        f_.display().btnPlusOneNormalClick(&f_);
        return true;
    case keys::kDown:
        f_.display().btnMinusOneNormalClick(&f_);
        return true;
    case keys::kPageUp:
        f_.display().btnPlusFiveNormalClick(&f_);
        return true;
    case keys::kPageDown:
        f_.display().btnMinusFiveNormalClick(&f_);
        return true;
    case keys::kSpace:
        // A focused button (the postpone button, OK) is pressed by Space itself.
        if (f_.Focused() != nullptr && f_.Focused()->Kind() == ControlKind::PushButton) {
            return false;
        }
        // One key for both: a sound that plays or rests paused goes to the pause button.
        if (sound.MediaPlayerPlaying() || sound.MediaPlayerPaused()) {
            sound.btnPauseNormalClick(&f_);
        } else {
            sound.btnPlayNormalClick(&f_);
        }
        return true;
    case keys::kS:
        sound.btnStopNormalClick(&f_);
        return true;
    case keys::kO:
        sound.btnOpenMP3NormalClick(&f_);
        return true;
    case keys::kZ:
        f_.selection().btnSetTimeClick(&f_);
        return true;
    case keys::kM:
        f_.windowAndTray().mnuMinimizeClick(&f_);
        return true;
    default:
        return false;
    }
}

} // namespace vorlane
