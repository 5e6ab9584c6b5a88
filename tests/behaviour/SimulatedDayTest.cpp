// A day on a desktop: ticks at irregular intervals, a busy system, an hour asleep, the wall
// clock set back and forward and a daylight-saving switch. After every tick the remaining
// time must be the value last set less the seconds that passed on the monotonic clock since.
#include "AppFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>

namespace vorlane::testing {
namespace {

constexpr std::int64_t kSecond = 1000;
constexpr std::int64_t kMinute = 60 * kSecond;
constexpr std::int64_t kHour = 60 * kMinute;

// The largest countdown a user can type: 999 minutes and 59 seconds.
constexpr std::int32_t kTypedStart = 59999;

class Day {
public:
    Day() {
        // A machine that has been up for a few days, on the night of a switch to summer time.
        app.host.monotonicClock.nowMs = 3 * 24 * kHour + 417;
        app.host.clock.now = EncodeDateTime(2026, 3, 29, 0, 0, 0, 0);
        app.Running();
    }

    // The user types 999 minutes and 59 seconds into the display: the countdown starts again
    // from there, counted from the moment the last field is left.
    void TypeTheLongestCountdown() {
        TFormVorlane& f = app.f();
        for (const auto& [field, text] :
             {std::pair{&f.edtTimeMinutes, "999"}, std::pair{&f.edtTimeSeconds, "59"}}) {
            Dispatch([&f, field = field] { f.FocusControl(*field); });
            Dispatch([field = field, text = text] { field->TextTyped(text); });
        }
        Dispatch([&f] { f.FocusControl(f.mplMediaPlayer); });
        ASSERT_EQ(app.f().countdown().RemainingSeconds(), kTypedStart);
        startedAtMs_ = app.host.monotonicClock.nowMs;
    }

    // Ticks for lengthMs of the day, each shortestMs to longestMs after the one before.
    void TicksFor(std::int64_t lengthMs, std::int64_t shortestMs, std::int64_t longestMs) {
        std::uniform_int_distribution<std::int64_t> interval(shortestMs, longestMs);
        for (std::int64_t spent = 0; spent < lengthMs;) {
            const std::int64_t gap = interval(random_);
            TickAfter(gap);
            spent += gap;
        }
    }

    // The computer sleeps; the first tick after waking comes at once.
    void Sleep(std::int64_t lengthMs) { TickAfter(lengthMs); }

    // The wall clock moves by itself or by hand; no time passes.
    void SetWallClockBy(std::int64_t ms) { app.host.clock.AdvanceMs(static_cast<double>(ms)); }

    std::int64_t DayMs() const { return dayMs_; }
    int Mismatches() const { return mismatches_; }
    const std::string& FirstMismatch() const { return firstMismatch_; }

private:
    void TickAfter(std::int64_t gapMs) {
        app.Tick(gapMs);
        dayMs_ += gapMs;
        ++ticks_;
        // Whole seconds since the countdown was set, a half to the even neighbour (the
        // default rounding of the floating-point environment); exact for these magnitudes.
        const double elapsedMs = static_cast<double>(app.host.monotonicClock.nowMs - startedAtMs_);
        const auto elapsed = static_cast<std::int32_t>(std::nearbyint(elapsedMs / 1000.0));
        const std::int32_t expected = kTypedStart - elapsed;
        if (app.f().countdown().RemainingSeconds() != expected && mismatches_++ == 0) {
            std::ostringstream where;
            where << "tick " << ticks_ << " at " << dayMs_ << " ms into the day, " << elapsedMs
                  << " ms after the reset: " << app.f().countdown().RemainingSeconds()
                  << " remaining, " << expected << " expected";
            firstMismatch_ = where.str();
        }
    }

    App app{{"-t5"}};
    std::mt19937 random_{20260329}; // the same day on every run
    std::int64_t startedAtMs_ = 0;
    std::int64_t dayMs_ = 0;
    int ticks_ = 0;
    int mismatches_ = 0;
    std::string firstMismatch_;
};

TEST(SimulatedDay, TheRemainingTimeIsTheStartLessTheMonotonicSecondsSinceTheLastReset) {
    Day day;
    day.TypeTheLongestCountdown();
    day.TicksFor(2 * kHour, 280, 330); // punctual ticks with a little jitter
    day.SetWallClockBy(kHour);         // 02:00 becomes 03:00: summer time
    day.TicksFor(2 * kHour, 280, 330);
    day.TicksFor(kHour, 300, 9 * kSecond); // a busy system: late ticks
    day.TypeTheLongestCountdown();
    day.TicksFor(2 * kHour, 280, 330);
    day.Sleep(kHour); // an hour asleep
    day.TicksFor(2 * kHour, 280, 330);
    day.SetWallClockBy(-kHour); // the user sets the clock back an hour
    day.TicksFor(kHour, 250, 2 * kSecond);
    day.TypeTheLongestCountdown();
    day.SetWallClockBy(kHour + 90 * kSecond); // and forward again, a little too far
    day.TicksFor(3 * kHour, 280, 330);
    day.TicksFor(2 * kHour, 300, 30 * kSecond); // a modal box or a heavy load
    day.TypeTheLongestCountdown();
    day.TicksFor(8 * kHour, 1, 2 * kSecond); // anything from a burst to a stall

    EXPECT_GE(day.DayMs(), 24 * kHour);
    EXPECT_EQ(day.Mismatches(), 0) << "first: " << day.FirstMismatch();
}

} // namespace
} // namespace vorlane::testing
