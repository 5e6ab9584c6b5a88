// The minutes:seconds display, the quick buttons, the presets and the keys.
#include "app/VorlaneSRC.h"
#include "core/DisplayText.h"
#include "platform/Keys.h"

#include <string>

namespace vorlane {

void TFormVorlane::ShowRemainingTime() {
    if (s_.RemainingSeconds <= 0) {
        s_.RemainingSeconds = 0;
    }
    try {
        const DisplayText text = FormatRemaining(s_.RemainingSeconds);
        edtTimeMinutes.SetText(text.minutes);
        edtTimeSeconds.SetText(text.seconds);
    } catch (const std::exception&) {
        ShowErrorMessageBox("Falsches Zeitformat! Sekunden des Timers: " +
                                std::to_string(s_.RemainingSeconds),
                            "Fehler");
    }
    // Read back from the fields, so the tip always matches what the window shows.
    TrayIcon.SetHint(TrayTipText(edtTimeMinutes.Text(), edtTimeSeconds.Text()));
    AnnounceRemainingTime();
}

void TFormVorlane::PlusMinutes(int seconds, std::int32_t limit) {
    if (s_.SelectingTime || s_.RemainingSeconds > limit) {
        return;
    }
    btnTerminVerschieben.Hide();
    edtTimeMinutes.Show();
    edtTimeColon.Show();
    edtTimeSeconds.Show();
    s_.RemainingSeconds += seconds;
    if (s_.AlarmActive) {
        stopMediaPlayer();
    }
    Window().SetTopmost(false);
    ShowRemainingTime();
}

void TFormVorlane::MinusMinutes(int seconds) {
    if (s_.SelectingTime) {
        return;
    }
    if (s_.RemainingSeconds > seconds) {
        s_.RemainingSeconds -= seconds;
    } else {
        s_.RemainingSeconds = 0;
    }
    ShowRemainingTime();
}

void TFormVorlane::btnPlusOneNormalClick(TComponent* /*sender*/) {
    PlusMinutes(60, 59939);
}
void TFormVorlane::btnPlusFiveNormalClick(TComponent* /*sender*/) {
    PlusMinutes(300, 59699);
}
void TFormVorlane::btnMinusOneNormalClick(TComponent* /*sender*/) {
    MinusMinutes(60);
}
void TFormVorlane::btnMinusFiveNormalClick(TComponent* /*sender*/) {
    MinusMinutes(300);
}

void TFormVorlane::mnuSetClick(TComponent* sender) {
    s_.RemainingSeconds = sender->Tag * 60;
    if (s_.AlarmActive) {
        stopMediaPlayer();
    }
}

void TFormVorlane::FormKeyDown(TComponent* /*sender*/, std::uint16_t& key, ShiftState shift) {
    switch (key) {
    case keys::kF1:
        mnuInfoClick(this);
        break;
    case keys::kF12:
        MinimizeToTray();
        break;
    case keys::kEscape:
        if (s_.SelectingTime) {
            btnTimeSelectionOkayClick(nullptr);
            key = 0;
            App().RemovePendingChar();
        } else {
            Window().Close();
        }
        break;
    default:
        if (RunButtonKey(key, shift)) {
            key = 0;
        }
        break;
    }
}

} // namespace vorlane
