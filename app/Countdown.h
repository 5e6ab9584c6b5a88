#pragma once
#include "platform/Color.h"
#include "platform/Component.h"

#include <cstdint>

namespace vorlane {

class MonotonicClock;
class TFormVorlane;

// The countdown and the alarm: the remaining time, counted on the monotonic clock, and the
// blinking at zero. The remaining time is written here only; the other behaviours ask.
class Countdown {
public:
    Countdown(TFormVorlane& form, MonotonicClock& clock);

    void tmrCountdownTimer(TComponent* sender);
    void ShowNormalColors();
    void ShowAlarmColors();

    std::int32_t RemainingSeconds() const { return remainingSeconds_; }
    // A time below zero counts as zero: the display never shows less.
    void SetRemainingSeconds(std::int32_t seconds);
    // Zero was reached and the alarm runs.
    bool AlarmActive() const { return alarmActive_; }
    // Until the first tick: start-up still parks the focus and keeps the window on top.
    bool Starting() const { return isStarting_; }
    // Where the blink cycle stands: 1 and 2 show the normal look, 3 and 4 the alarm look.
    std::uint8_t BlinkPhase() const { return blinkPhase_; }
    // Counting starts afresh from now: a typed or chosen time counts from the moment it is set.
    void ResetTimeBase();

private:
    std::int32_t TimeInSeconds();
    // The five display fields, in the order the looks are painted.
    void ColorDisplay(Color background, Color text);

    TFormVorlane& f_;
    MonotonicClock& clock_;
    std::int32_t remainingSeconds_ = 0;
    // Milliseconds on the monotonic clock rather than a wall-clock date-time, so a changed
    // system clock or a daylight-saving switch neither adds nor takes away counted time.
    std::int64_t timeBase_ = 0;
    std::int32_t lastTickSeconds_ = 0;
    std::int32_t prevTickSeconds_ = 0;
    std::int32_t tickDelta_ = 0;
    bool alarmActive_ = false;
    std::uint8_t blinkPhase_ = 1;
    bool isStarting_ = true;
};

} // namespace vorlane
