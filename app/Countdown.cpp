// The countdown tick, the alarm and the blink cycle.
#include "app/VorlaneSRC.h"
#include "core/ElapsedSeconds.h"

namespace vorlane {

namespace {
constexpr Color kAlarmBackground{96, 115, 137};
// How long before zero the alarm sound's device is opened: opening an MP3 takes a few hundred
// milliseconds, which would be heard as a late alarm.
constexpr std::int32_t kSoundOpenAheadSeconds = 3;
} // namespace

std::int32_t TFormVorlane::TimeInSeconds() {
    return ElapsedSeconds(s_.TimeBase, services_.monotonicClock.NowMs());
}

void TFormVorlane::tmrCountdownTimer(TComponent* /*sender*/) {
    tmrCountdown.SetInterval(300);
    if (s_.IsStarting == 1) {
        s_.IsStarting = 0;
        ResetTimeBase();
    }
    // Every tick measures against the same time base, so late ticks never drift.
    s_.PrevTickSeconds = s_.LastTickSeconds;
    s_.LastTickSeconds = TimeInSeconds();
    s_.TickDelta = s_.LastTickSeconds - s_.PrevTickSeconds;

    if (s_.RemainingSeconds > 0) {
        ShowNormalColors();
        s_.RemainingSeconds -= s_.TickDelta;
        s_.AlarmActive = false;
        s_.BlinkPhase = 1;
        services_.mediaPlayer.AnticipatePlay(s_.RemainingSeconds <= kSoundOpenAheadSeconds &&
                                             s_.SoundLoaded != 0 && mnuPlayMP3OrNot->Checked &&
                                             !s_.IsPlaying);
    } else {
        Window().SetTopmost(true);
        App().Restore();
        App().HideOwnerWindow();
        Window().SetWindowStateNormal();
        if (!s_.AlarmActive) {
            Window().Alert(edtTimeMinutes.Visible() ? &edtTimeMinutes : &edtFirstTextLine);
            if (s_.SoundLoaded != 0 && !s_.IsPlaying) {
                rewindMediaPlayer();
            }
            playMediaPlayer();
        }
        s_.AlarmActive = (s_.RemainingSeconds == 0);
        if (s_.BlinkPhase == 1 || s_.BlinkPhase == 2) {
            ShowNormalColors();
        } else {
            ShowAlarmColors();
        }
    }
    ShowRemainingTime();
}

void TFormVorlane::ColorDisplay(Color background, Color text) {
    for (TControl* field :
         {&edtFirstTextLine, &edtSecondTextLine, &edtTimeMinutes, &edtTimeColon, &edtTimeSeconds}) {
        field->SetColors(background, text);
    }
}

void TFormVorlane::ShowNormalColors() {
    ColorDisplay(kWhite, kBlack);
    imgBackgroundBlink.Hide();
    ++s_.BlinkPhase;
}

void TFormVorlane::ShowAlarmColors() {
    ColorDisplay(kAlarmBackground, kWhite);
    imgBackgroundBlink.Show();
    ++s_.BlinkPhase;
    if (s_.BlinkPhase > 4) {
        s_.BlinkPhase = 1;
    }
}

} // namespace vorlane
