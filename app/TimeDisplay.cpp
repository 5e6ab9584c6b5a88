// The minutes:seconds display, the quick buttons and the presets.
#include "app/TimeDisplay.h"
#include "app/AlarmSound.h"
#include "app/ClockTimeSelection.h"
#include "app/Countdown.h"
#include "app/DisplayMode.h"
#include "app/VorlaneSRC.h"
#include "core/DisplayText.h"

#include <algorithm>
#include <string>

namespace vorlane {

namespace {
// The longest time the display shows (999:59): rounding up never names more, and the quick
// buttons add only what still fits.
constexpr std::int32_t kLongestShown = 999 * 60 + 59;
// Where screen readers are alerted on the way to zero: five minutes and one minute left.
constexpr std::int32_t kSpokenMilestones[] = {5 * 60, 60};
} // namespace

TimeDisplay::TimeDisplay(TFormVorlane& form) : f_(form) {}

void TimeDisplay::ShowRemainingTime() {
    const std::int32_t remaining = f_.countdown().RemainingSeconds();
    // Every time the countdown holds has its text: nothing here can fail but memory.
    const DisplayText text = FormatRemaining(remaining);
    f_.edtTimeMinutes.SetText(text.minutes);
    f_.edtTimeSeconds.SetText(text.seconds);
    // Read back from the fields, so the tip always matches what the window shows.
    f_.TrayIcon.SetHint(TrayTipText(f_.edtTimeMinutes.Text(), f_.edtTimeSeconds.Text()));
    AnnounceRemainingTime();
}

void TimeDisplay::PlusMinutes(int seconds) {
    Countdown& countdown = f_.countdown();
    if (f_.selection().Selecting() || countdown.RemainingSeconds() > kLongestShown - seconds) {
        return;
    }
    // A reminder at zero gives way to the time it is postponed by.
    if (f_.displayMode().Current() == DisplayMode::Showing::ReminderAtZero) {
        f_.displayMode().Show(DisplayMode::Showing::Time);
    }
    countdown.SetRemainingSeconds(countdown.RemainingSeconds() + seconds);
    if (countdown.AlarmActive()) {
        f_.sound().stopMediaPlayer();
    }
    f_.Window().SetTopmost(false);
    ShowRemainingTime();
}

void TimeDisplay::MinusMinutes(int seconds) {
    if (f_.selection().Selecting()) {
        return;
    }
    Countdown& countdown = f_.countdown();
    // The countdown keeps the time at zero or above.
    countdown.SetRemainingSeconds(countdown.RemainingSeconds() - seconds);
    ShowRemainingTime();
}

void TimeDisplay::btnPlusOneNormalClick(TComponent* /*sender*/) {
    PlusMinutes(60);
}
void TimeDisplay::btnPlusFiveNormalClick(TComponent* /*sender*/) {
    PlusMinutes(300);
}
void TimeDisplay::btnMinusOneNormalClick(TComponent* /*sender*/) {
    MinusMinutes(60);
}
void TimeDisplay::btnMinusFiveNormalClick(TComponent* /*sender*/) {
    MinusMinutes(300);
}

void TimeDisplay::mnuSetClick(TComponent* sender) {
    f_.countdown().SetRemainingSeconds(sender->Tag * 60);
    if (f_.countdown().AlarmActive()) {
        f_.sound().stopMediaPlayer();
    }
}

std::int32_t TimeDisplay::SpokenSeconds() const {
    // Whole minutes, rounded up, until the last minute, so a reader is told of a change at
    // most once a minute; then every second.
    const std::int32_t seconds = f_.countdown().RemainingSeconds();
    return seconds >= 60 ? std::min((seconds + 59) / 60 * 60, kLongestShown) : seconds;
}

std::string TimeDisplay::SpokenRemainingTime() const {
    const DisplayText text = FormatRemaining(SpokenSeconds());
    return "Verbleibende Zeit " + text.minutes + ":" + text.seconds;
}

std::string TimeDisplay::RemainingTimeInWords() const {
    return vorlane::RemainingTimeInWords(SpokenSeconds());
}

// Runs with every display update (each tick): compares a number, and builds no text.
void TimeDisplay::AnnounceRemainingTime() {
    const std::int32_t spoken = SpokenSeconds();
    if (spoken == spokenSeconds_) {
        return;
    }
    // The first name is no change: readers learn it when they first read the window.
    const std::int32_t before = spokenSeconds_;
    spokenSeconds_ = spoken;
    if (before < 0) {
        return;
    }
    f_.Window().AccessibleNameChanged(f_.edtTimeMinutes);
    // A milestone is reached from above, by the ticks or a button; a sleep that skipped it
    // still says the time now.
    for (const std::int32_t milestone : kSpokenMilestones) {
        if (before > milestone && spoken <= milestone && spoken > 0) {
            f_.Window().Alert(&f_.edtTimeMinutes);
            break;
        }
    }
}

} // namespace vorlane
