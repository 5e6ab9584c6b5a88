#include "core/TimeOfDay.h"

#include "core/DateTime.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace vorlane {
namespace {

void ExpectTime(const TimeOfDay& actual, const TimeOfDay& expected) {
    EXPECT_EQ(actual.hour, expected.hour);
    EXPECT_EQ(actual.minute, expected.minute);
    EXPECT_EQ(actual.second, expected.second);
    EXPECT_EQ(actual.millisecond, expected.millisecond);
}

TEST(DecodeTimeOfDayTest, GivesBackEveryEncodedSecondOfADay) {
    for (const int year : {1899, 2024, 2099}) {
        for (int second = 0; second < 86400; ++second) {
            for (const int millisecond : {0, 1, 500, 999}) {
                const TimeOfDay expected{second / 3600, second / 60 % 60, second % 60, millisecond};
                const double dateTime = EncodeDateTime(year, 12, 31, expected.hour, expected.minute,
                                                       expected.second, expected.millisecond);
                const TimeOfDay actual = DecodeTimeOfDay(dateTime);
                if (actual.hour != expected.hour || actual.minute != expected.minute ||
                    actual.second != expected.second ||
                    actual.millisecond != expected.millisecond) {
                    ADD_FAILURE() << year << ", second " << second << '.' << millisecond;
                    return;
                }
            }
        }
    }
}

TEST(DecodeTimeOfDayTest, RoundsToTheNearestMillisecond) {
    constexpr double kMillisecond = 1.0 / 86400000.0;
    const double tenThirty = EncodeDateTime(2024, 5, 17, 10, 0, 30, 0);
    struct Case {
        const char* what;
        double dateTime;
        TimeOfDay expected;
    };
    const std::vector<Case> cases = {
        {"a little below a whole second", tenThirty - 0.2 * kMillisecond, {10, 0, 30, 0}},
        {"a little above a whole second", tenThirty + 0.2 * kMillisecond, {10, 0, 30, 0}},
        {"most of a millisecond below", tenThirty - 0.7 * kMillisecond, {10, 0, 29, 999}},
        {"just below midnight", 45000.0 - 0.2 * kMillisecond, {0, 0, 0, 0}},
        {"a date before day zero", EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), {6, 0, 0, 0}},
        {"day zero itself", 0.0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectTime(DecodeTimeOfDay(c.dateTime), c.expected);
    }
}

TEST(DecodeTimeOfDayTest, GivesMidnightForValuesThatAreNoTime) {
    for (const double value :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(value);
        ExpectTime(DecodeTimeOfDay(value), {0, 0, 0, 0});
    }
}

} // namespace
} // namespace vorlane
