// The countdown tick, the alarm and the blink cycle.
#include "app/Countdown.h"
#include "app/AlarmSound.h"
#include "app/TimeDisplay.h"
#include "app/VorlaneSRC.h"
#include "core/ElapsedSeconds.h"

namespace vorlane {

namespace {
constexpr Color kAlarmBackground{96, 115, 137};
} // namespace

Countdown::Countdown(TFormVorlane& form, MonotonicClock& clock) : f_(form), clock_(clock) {
    f_.tmrCountdown.OnTimer = [this](TComponent* sender) { tmrCountdownTimer(sender); };
}

void Countdown::SetRemainingSeconds(std::int32_t seconds) {
    remainingSeconds_ = seconds < 0 ? 0 : seconds;
}

void Countdown::ResetTimeBase() {
    // On the monotonic clock: time asleep counts, a change of the wall clock does not.
    timeBase_ = clock_.NowMs();
    prevTickSeconds_ = 0;
    lastTickSeconds_ = 0;
    tickDelta_ = 0;
}

std::int32_t Countdown::TimeInSeconds() {
    return ElapsedSeconds(timeBase_, clock_.NowMs());
}

void Countdown::tmrCountdownTimer(TComponent* /*sender*/) {
    f_.tmrCountdown.SetInterval(300);
    if (isStarting_) {
        isStarting_ = false;
        ResetTimeBase();
    }
    // Every tick measures against the same time base, so late ticks never drift.
    prevTickSeconds_ = lastTickSeconds_;
    lastTickSeconds_ = TimeInSeconds();
    tickDelta_ = lastTickSeconds_ - prevTickSeconds_;

    if (remainingSeconds_ > 0) {
        ShowNormalColors();
        SetRemainingSeconds(remainingSeconds_ - tickDelta_);
        alarmActive_ = false;
        blinkPhase_ = 1;
        f_.sound().AnticipateAlarm(remainingSeconds_);
    } else {
        f_.Window().SetTopmost(true);
        f_.App().Restore();
        f_.App().HideOwnerWindow();
        f_.Window().SetWindowStateNormal();
        if (!alarmActive_) {
            f_.Window().Alert(f_.edtTimeMinutes.Visible() ? &f_.edtTimeMinutes
                                                          : &f_.edtFirstTextLine);
            f_.sound().PlayAlarm();
        }
        alarmActive_ = (remainingSeconds_ == 0);
        if (blinkPhase_ == 1 || blinkPhase_ == 2) {
            ShowNormalColors();
        } else {
            ShowAlarmColors();
        }
    }
    f_.display().ShowRemainingTime();
}

void Countdown::ColorDisplay(Color background, Color text) {
    for (TControl* field : {&f_.edtFirstTextLine, &f_.edtSecondTextLine, &f_.edtTimeMinutes,
                            &f_.edtTimeColon, &f_.edtTimeSeconds}) {
        field->SetColors(background, text);
    }
}

void Countdown::ShowNormalColors() {
    ColorDisplay(kWhite, kBlack);
    f_.imgBackgroundBlink.Hide();
    ++blinkPhase_;
}

void Countdown::ShowAlarmColors() {
    ColorDisplay(kAlarmBackground, kWhite);
    f_.imgBackgroundBlink.Show();
    ++blinkPhase_;
    if (blinkPhase_ > 4) {
        blinkPhase_ = 1;
    }
}

} // namespace vorlane
