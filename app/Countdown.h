#pragma once
#include "platform/Color.h"
#include "platform/Component.h"

#include <cstdint>
#include <optional>

namespace vorlane {

class Clock;
class MonotonicClock;
class TFormVorlane;

// The countdown and the alarm: the remaining time, counted on the monotonic clock, and the
// blinking at zero. A countdown to a chosen clock time also keeps that moment on the wall
// clock and follows it when the clock is set. The remaining time is written here only; the
// other behaviours ask.
class Countdown {
public:
    Countdown(TFormVorlane& form, MonotonicClock& clock, Clock& wallClock);

    void tmrCountdownTimer(TComponent* sender);
    void ShowNormalColors();
    void ShowAlarmColors();

    std::int32_t RemainingSeconds() const { return remainingSeconds_; }
    // A time below zero counts as zero: the display never shows less. A countdown set this
    // way (buttons, presets, typed, the command line) measures time on the monotonic clock.
    void SetRemainingSeconds(std::int32_t seconds);
    // A countdown to a clock time chosen by the user, seconds from now: it ends at that clock
    // time, also when the wall clock is set or the time zone changes meanwhile.
    void CountToClockTime(std::int32_t seconds);
    // A countdown an earlier copy of the program left running: it reaches zero msLeft from
    // now, counted from start-up's first tick on as if it had never stopped; one to a clock
    // time keeps following the clock.
    void GoOnFor(std::int64_t msLeft, bool toClockTime);
    // Milliseconds from now until the display reaches zero while it runs (a countdown to a
    // clock time: until that clock time).
    std::int64_t MsUntilZero();
    // Counting to a clock time the user chose, rather than a duration.
    bool CountsToClockTime() const { return clockTimeDeadlineMs_.has_value(); }
    // Zero was reached and the alarm runs.
    bool AlarmActive() const { return alarmActive_; }
    // Until the first tick: start-up still parks the focus and keeps the window on top.
    bool Starting() const { return isStarting_; }
    // Counting starts afresh from now: a typed or chosen time counts from the moment it is set.
    void ResetTimeBase();
    // The ticks wait while a time is typed or a clock time chosen; the time goes on, and the
    // next tick after Resume subtracts what passed meanwhile (unless the time base is reset).
    void Pause();
    void Resume();
    // The ticks run: switched on by start-up and not paused since.
    bool Ticking() const { return ticking_; }

private:
    // The wall clock was set or the time zone changed.
    void ClockChanged();
    // The computer woke up: the time that passed asleep shows at once, and a countdown that
    // reached zero meanwhile rings now.
    void Resumed();
    std::int32_t TimeInSeconds();
    // The time base here and now, without telling the record.
    void CountFromNow();
    void SetRemaining(std::int32_t seconds);
    // The wall clock in milliseconds since the date-time's day zero.
    std::int64_t WallMs();
    // The wall clock moved other than the monotonic clock since the time base: set, or a
    // time zone or daylight-saving change.
    bool ClocksDisagree();
    // A countdown to a clock time takes its remaining time from the wall clock again.
    void FollowClockTime();
    // A tick now, where the ticks run (not before start-up's first, nor while a time is
    // typed or chosen).
    void TickNowIfRunning();
    // The record of the running countdown follows each new time, pause and resumption.
    void Changed();
    // The first tick of a countdown taken over from an earlier copy: the time base lies where
    // the display, counting on, reaches zero when the earlier copy's would have.
    void GoOnFromFirstTick();
    // The five display fields, in the order the looks are painted.
    void ColorDisplay(Color background, Color text);

    TFormVorlane& f_;
    MonotonicClock& clock_;
    Clock& wallClock_;
    std::int32_t remainingSeconds_ = 0;
    // Milliseconds on the monotonic clock rather than a wall-clock date-time, so a changed
    // system clock or a daylight-saving switch neither adds nor takes away counted time.
    std::int64_t timeBase_ = 0;
    // The wall clock at the time base, to see it set apart from the monotonic clock.
    std::int64_t wallBaseMs_ = 0;
    // Where the countdown was set to a clock time: that moment on the wall clock.
    std::optional<std::int64_t> clockTimeDeadlineMs_;
    // A countdown taken over from an earlier copy: the moment it reaches zero on the
    // monotonic clock, until the first tick.
    std::optional<std::int64_t> goOnUntilMs_;
    // Where a countdown taken over had reached zero before this copy ran: that moment on the
    // wall clock, which the alarm's notification names.
    std::optional<std::int64_t> zeroPassedWallMs_;
    std::int32_t lastTickSeconds_ = 0;
    std::int32_t prevTickSeconds_ = 0;
    std::int32_t tickDelta_ = 0;
    bool alarmActive_ = false;
    // Where the blink cycle stands: 1 and 2 show the normal look, 3 and 4 the alarm look.
    std::uint8_t blinkPhase_ = 1;
    bool isStarting_ = true;
    bool ticking_ = false;
};

} // namespace vorlane
