// The countdown tick, the alarm and the blink cycle.
#include "app/Countdown.h"
#include "app/AlarmSound.h"
#include "app/DisplayMode.h"
#include "app/RunningRecord.h"
#include "app/TimeDisplay.h"
#include "app/VorlaneSRC.h"
#include "app/WindowAndTray.h"
#include "core/DateTime.h"
#include "core/ElapsedSeconds.h"

#include <cmath>
#include <cstdlib>

namespace vorlane {

namespace {
constexpr Color kAlarmBackground{96, 115, 137};
constexpr double kMsPerDay = 86'400'000.0;
// How far the two clocks may drift apart before the wall clock counts as set.
constexpr std::int64_t kClockDisagreementMs = 1000;
} // namespace

Countdown::Countdown(TFormVorlane& form, MonotonicClock& clock, Clock& wallClock)
    : f_(form), clock_(clock), wallClock_(wallClock) {
    f_.tmrCountdown.OnTimer = [this](TComponent* sender) { tmrCountdownTimer(sender); };
    f_.OnClockChange = [this](TComponent* /*sender*/) { ClockChanged(); };
    f_.OnResume = [this](TComponent* /*sender*/) { Resumed(); };
}

void Countdown::SetRemaining(std::int32_t seconds) {
    remainingSeconds_ = seconds < 0 ? 0 : seconds;
}

void Countdown::Changed() {
    f_.record().CountdownChanged();
}

void Countdown::SetRemainingSeconds(std::int32_t seconds) {
    clockTimeDeadlineMs_.reset();
    goOnUntilMs_.reset();
    SetRemaining(seconds);
    Changed();
}

void Countdown::CountToClockTime(std::int32_t seconds) {
    SetRemainingSeconds(seconds);
    // The seconds count from the start of the current second, as the clock shows it.
    const std::int64_t now = WallMs();
    clockTimeDeadlineMs_ = now - now % 1000 + std::int64_t{seconds} * 1000;
    Changed();
}

void Countdown::GoOnFor(std::int64_t msLeft, bool toClockTime) {
    // Shown as the display shows it: a second begun counts whole.
    SetRemainingSeconds(static_cast<std::int32_t>((msLeft + 999) / 1000));
    if (toClockTime) {
        clockTimeDeadlineMs_ = WallMs() + msLeft;
    }
    goOnUntilMs_ = clock_.NowMs() + msLeft;
}

void Countdown::GoOnFromFirstTick() {
    const std::int64_t now = clock_.NowMs();
    const std::int64_t msLeft = *goOnUntilMs_ - now;
    goOnUntilMs_.reset();
    if (msLeft <= 0) {
        zeroPassedWallMs_ = WallMs() + msLeft;
        SetRemaining(0);
        return;
    }
    // The display counts whole seconds from the time base, rounded to the nearest: a base
    // half a second before a whole number of seconds ahead of zero makes it reach zero there.
    const std::int64_t seconds = (msLeft + 999) / 1000;
    SetRemaining(static_cast<std::int32_t>(seconds));
    timeBase_ = now + msLeft + 500 - seconds * 1000;
    wallBaseMs_ = WallMs() + (timeBase_ - now);
}

std::int64_t Countdown::MsUntilZero() {
    if (clockTimeDeadlineMs_) {
        return *clockTimeDeadlineMs_ - WallMs();
    }
    // The display loses a second each time the rounded seconds since the time base grow.
    return timeBase_ + (std::int64_t{lastTickSeconds_} + remainingSeconds_) * 1000 - 500 -
           clock_.NowMs();
}

void Countdown::ResetTimeBase() {
    CountFromNow();
    Changed();
}

void Countdown::CountFromNow() {
    // On the monotonic clock: time asleep counts, a change of the wall clock does not.
    timeBase_ = clock_.NowMs();
    wallBaseMs_ = WallMs();
    prevTickSeconds_ = 0;
    lastTickSeconds_ = 0;
    tickDelta_ = 0;
}

std::int64_t Countdown::WallMs() {
    return std::llround(wallClock_.Now() * kMsPerDay);
}

bool Countdown::ClocksDisagree() {
    const std::int64_t wallElapsed = WallMs() - wallBaseMs_;
    const std::int64_t monotonicElapsed = clock_.NowMs() - timeBase_;
    return std::abs(wallElapsed - monotonicElapsed) > kClockDisagreementMs;
}

void Countdown::FollowClockTime() {
    const double secondsLeft = static_cast<double>(*clockTimeDeadlineMs_ - WallMs()) / 1000.0;
    SetRemaining(RoundHalfEven(secondsLeft));
    // The clock time is the same, but it lies elsewhere on the clock the record keeps.
    ResetTimeBase();
}

void Countdown::ClockChanged() {
    if (isStarting_ || remainingSeconds_ == 0) {
        return;
    }
    if (!clockTimeDeadlineMs_) {
        // A duration ends when it would have, but that moment reads otherwise on the set
        // clock, which the record keeps it on.
        Changed();
        return;
    }
    FollowClockTime();
    TickNowIfRunning();
}

void Countdown::Resumed() {
    TickNowIfRunning();
    // The tick that finds zero is the one that rings: a countdown that reached zero asleep
    // rings now, not a tick later.
    if (remainingSeconds_ == 0 && !alarmActive_) {
        TickNowIfRunning();
    }
}

void Countdown::Pause() {
    ticking_ = false;
    f_.tmrCountdown.SetEnabled(false);
    Changed();
}

void Countdown::Resume() {
    ticking_ = true;
    f_.tmrCountdown.SetEnabled(true);
    Changed();
}

void Countdown::TickNowIfRunning() {
    if (!isStarting_ && ticking_) {
        tmrCountdownTimer(&f_.tmrCountdown);
    }
}

std::int32_t Countdown::TimeInSeconds() {
    return ElapsedSeconds(timeBase_, clock_.NowMs());
}

void Countdown::tmrCountdownTimer(TComponent* /*sender*/) {
    f_.tmrCountdown.SetInterval(300);
    if (isStarting_) {
        isStarting_ = false;
        CountFromNow();
        if (goOnUntilMs_) {
            GoOnFromFirstTick();
        }
        Changed();
    }
    // Where the wall clock was set (or woke up elsewhere), a countdown to a clock time follows
    // the clock; every other countdown goes on measuring on the monotonic clock.
    if (clockTimeDeadlineMs_ && remainingSeconds_ > 0 && ClocksDisagree()) {
        FollowClockTime();
    }
    // Every tick measures against the same time base, so late ticks never drift.
    prevTickSeconds_ = lastTickSeconds_;
    lastTickSeconds_ = TimeInSeconds();
    tickDelta_ = lastTickSeconds_ - prevTickSeconds_;

    if (remainingSeconds_ > 0) {
        ShowNormalColors();
        SetRemaining(remainingSeconds_ - tickDelta_);
        alarmActive_ = false;
        blinkPhase_ = 1;
        f_.sound().AnticipateAlarm(remainingSeconds_);
    } else {
        clockTimeDeadlineMs_.reset();
        if (!alarmActive_) {
            // The alarm is seen on a monitor that is there now; later changes of the monitors
            // come as display changes.
            f_.windowAndTray().KeepOnAMonitor();
        }
        f_.Window().SetTopmost(true);
        f_.App().Restore();
        f_.App().HideOwnerWindow();
        f_.Window().SetWindowStateNormal();
        if (!alarmActive_) {
            // Set before anything that can open a box: the box's own message loop runs ticks,
            // which must find the alarm raised already.
            alarmActive_ = true;
            // Zero was seen: nothing is left for a later start to go on with.
            Changed();
            f_.Window().Alert(f_.displayMode().TimeShown() ? &f_.edtTimeMinutes
                                                           : &f_.edtFirstTextLine);
            f_.windowAndTray().NotifyTimeIsUp(
                static_cast<double>(zeroPassedWallMs_.value_or(WallMs())) / kMsPerDay);
            zeroPassedWallMs_.reset();
            f_.sound().PlayAlarm();
        }
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
