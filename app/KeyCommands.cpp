// The window's keys: a key for a button is named by its row and runs the row's command, so a
// key and a click end the same way.
#include "app/KeyCommands.h"
#include "app/AlarmSound.h"
#include "app/ClockTimeSelection.h"
#include "app/ImageButtonTable.h"
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
    // F1 and Escape act with a time field focused too, so they are not the rows' keys.
    case keys::kF1:
        RunCommandOf(&TFormVorlane::btnHelp);
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
            RunCommandOf(&TFormVorlane::btnExit);
        }
        break;
    default:
        if (RunButtonKey(key, shift)) {
            key = 0;
        }
        break;
    }
}

void KeyCommands::RunCommandOf(ImageButtonMember button) {
    for (const ImageButtonRow& row : ImageButtonRows()) {
        if (row.button == button) {
            row.command(f_, &f_);
        }
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
    if (key == keys::kSpace) {
        return PlayOrPause();
    }
    for (const ImageButtonRow& row : ImageButtonRows()) {
        if (row.key == key) {
            row.command(f_, &f_);
            return true;
        }
    }
    return false;
}

bool KeyCommands::PlayOrPause() {
    // A focused button (the postpone button, OK) is pressed by Space itself.
    if (f_.Focused() != nullptr && f_.Focused()->Kind() == ControlKind::PushButton) {
        return false;
    }
    // One key for both: a sound that plays or rests paused goes to the pause button.
    AlarmSound& sound = f_.sound();
    if (sound.MediaPlayerPlaying() || sound.MediaPlayerPaused()) {
        sound.btnPauseNormalClick(&f_);
    } else {
        sound.btnPlayNormalClick(&f_);
    }
    return true;
}

} // namespace vorlane
