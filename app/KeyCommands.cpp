// The keys that stand for the window's buttons: each runs its button's click handler, so a
// key and a click end the same way.
#include "app/VorlaneSRC.h"
#include "platform/Keys.h"

namespace vorlane {

bool TFormVorlane::TimeFieldFocused() const {
    const TControl* focused = Focused();
    return focused == &edtTimeMinutes || focused == &edtTimeSeconds ||
           focused == &cmbEndTimeComboBox;
}

bool TFormVorlane::RunButtonKey(std::uint16_t key, ShiftState shift) {
    // A time field takes its keys itself (digits, arrows in the list), and shortcuts held
    // with Ctrl or Alt belong to the system.
    if (TimeFieldFocused() || shift.ctrl || shift.alt) {
        return false;
    }
    switch (key) {
    case keys::kUp:
        btnPlusOneNormalClick(this);
        return true;
    case keys::kDown:
        btnMinusOneNormalClick(this);
        return true;
    case keys::kPageUp:
        btnPlusFiveNormalClick(this);
        return true;
    case keys::kPageDown:
        btnMinusFiveNormalClick(this);
        return true;
    case keys::kSpace:
        // A focused button (the postpone button, OK) is pressed by Space itself.
        if (Focused() != nullptr && Focused()->Kind() == ControlKind::PushButton) {
            return false;
        }
        // One key for both: a sound that plays or rests paused goes to the pause button.
        if (MediaPlayerPlaying() || MediaPlayerPaused()) {
            btnPauseNormalClick(this);
        } else {
            btnPlayNormalClick(this);
        }
        return true;
    case keys::kS:
        btnStopNormalClick(this);
        return true;
    case keys::kO:
        btnOpenMP3NormalClick(this);
        return true;
    case keys::kZ:
        btnSetTimeClick(this);
        return true;
    case keys::kM:
        MinimizeToTray();
        return true;
    default:
        return false;
    }
}

} // namespace vorlane
