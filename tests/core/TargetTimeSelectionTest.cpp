#include "core/TargetTimeSelection.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlane {
namespace {

TEST(TargetTimeChoicesTest, OffersTheRestOfTheHourAndFifteenHoursMore) {
    struct Case {
        int hour, minute;
        std::size_t count;
        std::string first, last;
    };
    const std::vector<Case> cases = {
        {10, 7, 63, "10:15", "01:45"},  {23, 50, 60, "00:00", "14:45"},
        {9, 44, 61, "09:45", "00:45"},  {10, 0, 63, "10:15", "01:45"},
        {10, 14, 63, "10:15", "01:45"}, {10, 15, 62, "10:30", "01:45"},
        {10, 29, 62, "10:30", "01:45"}, {10, 30, 61, "10:45", "01:45"},
        {10, 45, 60, "11:00", "01:45"}, {0, 0, 63, "00:15", "15:45"},
        {8, 59, 60, "09:00", "23:45"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ':' << c.minute);
        const std::vector<std::string> choices = TargetTimeChoices({c.hour, c.minute, 0, 0});
        ASSERT_EQ(choices.size(), c.count);
        EXPECT_EQ(choices.front(), c.first);
        EXPECT_EQ(choices.back(), c.last);
    }
}

TEST(TargetTimeChoicesTest, ListsQuarterHoursInTimeOrderAllAccepted) {
    // At every minute of the day the entries follow the current time by one to fifteen
    // minutes, then each other by fifteen, up to quarter to in fifteen hours; confirmed right
    // away, each of them is accepted.
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            const TimeOfDay now{hour, minute, 59, 999};
            const std::vector<std::string> choices = TargetTimeChoices(now);
            int previous = 0;
            for (std::size_t i = 0; i < choices.size(); ++i) {
                const TargetTime target = ParseTargetTime(choices[i]);
                ASSERT_EQ(target.text, choices[i]);
                const int ahead = MinutesUntilTarget(now, target);
                if (i == 0) {
                    ASSERT_GE(ahead, 1) << hour << ':' << minute;
                    ASSERT_LE(ahead, 15) << hour << ':' << minute;
                } else {
                    ASSERT_EQ(ahead, previous + 15) << hour << ':' << minute << " #" << i;
                }
                ASSERT_TRUE(RemainingSecondsForTarget(now, target).has_value())
                    << hour << ':' << minute << " #" << i;
                previous = ahead;
            }
            ASSERT_EQ(previous, 15 * 60 + 45 - minute) << hour << ':' << minute;
        }
    }
}

TEST(RemainingSecondsForTargetTest, EndsOneMinuteAfterTheTargetOrRejects) {
    struct Case {
        TimeOfDay now;
        std::string target;
        int minutesAhead;
        std::optional<std::int32_t> remaining;
    };
    const std::vector<Case> cases = {
        {{10, 0, 30, 0}, "10:15", 15, 930},
        // The clock's second counts whole; its milliseconds do not.
        {{10, 0, 30, 999}, "10:15", 15, 930},
        {{8, 0, 20, 0}, "00:01", 961, 57700},
        {{8, 0, 20, 0}, "00:02", 962, std::nullopt},
        {{10, 0, 30, 0}, "09:59", 1439, std::nullopt},
        // The current minute: the countdown ends when the next one begins.
        {{10, 0, 59, 0}, "10:00", 0, 1},
        {{10, 0, 0, 0}, "10:00", 0, 60},
        {{23, 59, 0, 0}, "00:00", 1, 120},
        {{0, 0, 0, 0}, "16:01", 961, 57720},
        {{0, 0, 0, 0}, "16:02", 962, std::nullopt},
        {{23, 30, 10, 0}, "15:30", 960, 57650},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.now.hour << ':' << c.now.minute << ':' << c.now.second
                                        << " to " << c.target);
        const TargetTime target = ParseTargetTime(c.target);
        EXPECT_EQ(MinutesUntilTarget(c.now, target), c.minutesAhead);
        EXPECT_EQ(RemainingSecondsForTarget(c.now, target), c.remaining);
    }
}

TEST(RemainingSecondsForTargetTest, AcceptedCountdownsEndAtTheMinuteAfterTheTarget) {
    constexpr int kSecondsPerDay = 86400;
    for (int nowSecond = 0; nowSecond < kSecondsPerDay; nowSecond += 97) {
        const TimeOfDay now{nowSecond / 3600, nowSecond / 60 % 60, nowSecond % 60, 0};
        for (int targetMinute = 0; targetMinute < 24 * 60; targetMinute += 7) {
            const TargetTime target =
                ParseTargetTime(ClockTimeText(targetMinute / 60, targetMinute % 60));
            const std::optional<std::int32_t> remaining = RemainingSecondsForTarget(now, target);
            if (remaining) {
                ASSERT_GT(*remaining, 0);
                ASSERT_EQ((nowSecond + *remaining) % kSecondsPerDay,
                          (targetMinute + 1) * 60 % kSecondsPerDay)
                    << nowSecond << " s to minute " << targetMinute;
            }
        }
    }
}

} // namespace
} // namespace vorlane
