#include "core/DateTime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace vorlane {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// One millisecond in days, the finest step of the clock.
constexpr double kMillisecond = 1.0 / 86400000.0;

TEST(EncodeDateTimeTest, CountsDaysFromDayZero) {
    struct Case {
        int year, month, day;
        double expected;
    };
    const std::vector<Case> cases = {
        {1899, 12, 30, 0.0},   {1899, 12, 31, 1.0},   {1900, 1, 1, 2.0},
        {1900, 3, 1, 61.0},    {1970, 1, 1, 25569.0}, {2000, 1, 1, 36526.0},
        {2000, 3, 1, 36586.0}, {2024, 3, 1, 45352.0}, {1899, 12, 29, -1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        EXPECT_DOUBLE_EQ(EncodeDateTime(c.year, c.month, c.day, 0, 0, 0, 0), c.expected);
    }
}

TEST(EncodeDateTimeTest, FollowsGregorianLeapYears) {
    // 2000 and 2024 have a 29 February, 1900 and 2100 do not.
    struct Case {
        int year;
        double daysFromFebruary28ToMarch1;
    };
    for (const Case& c :
         std::vector<Case>{{1900, 1.0}, {2000, 2.0}, {2023, 1.0}, {2024, 2.0}, {2100, 1.0}}) {
        SCOPED_TRACE(c.year);
        EXPECT_DOUBLE_EQ(EncodeDateTime(c.year, 3, 1, 0, 0, 0, 0) -
                             EncodeDateTime(c.year, 2, 28, 0, 0, 0, 0),
                         c.daysFromFebruary28ToMarch1);
    }
}

TEST(EncodeDateTimeTest, TimeOfDayIsTheFraction) {
    struct Case {
        int hour, minute, second, millisecond;
        double fraction;
    };
    const std::vector<Case> cases = {
        {6, 0, 0, 0, 0.25},           {12, 0, 0, 0, 0.5},
        {18, 0, 0, 0, 0.75},          {0, 0, 1, 0, 1.0 / 86400.0},
        {0, 1, 0, 0, 60.0 / 86400.0}, {1, 0, 0, 0, 3600.0 / 86400.0},
        {0, 0, 0, 1, kMillisecond},   {23, 59, 59, 999, 1.0 - kMillisecond},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.hour << ':' << c.minute << ':' << c.second << '.' << c.millisecond);
        EXPECT_NEAR(EncodeDateTime(2000, 1, 1, c.hour, c.minute, c.second, c.millisecond),
                    36526.0 + c.fraction, 1e-9);
    }
}

TEST(RoundHalfEvenTest, RoundsHalvesToTheEvenNeighbour) {
    struct Case {
        double value;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {874.5, 874},
        {875.5, 876},
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {-3.5, -4},
        {2147483646.5, 2147483646},
        {-2147483647.5, kMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundHalfEven(c.value), c.expected);
    }
}

TEST(RoundHalfEvenTest, RoundsOtherValuesToTheNearest) {
    struct Case {
        double value;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {0.0, 0},
        {2.4999, 2},
        {2.5001, 3},
        {-2.4999, -2},
        {-2.5001, -3},
        {2.6, 3},
        {-2.6, -3},
        // The largest double below one half: adding 0.5 and flooring would give 1.
        {0.49999999999999994, 0},
        {-0.49999999999999994, 0},
        {1e-300, 0},
        {-1e-300, 0},
        {59999.0, 59999},
        {-3600.2, -3600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundHalfEven(c.value), c.expected);
    }
}

TEST(RoundHalfEvenTest, SaturatesAtTheIntegerLimits) {
    struct Case {
        double value;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {2147483647.0, kMax},
        {2147483647.4, kMax},
        {2147483647.5, kMax},
        {2147483648.0, kMax},
        {1e18, kMax},
        {std::numeric_limits<double>::infinity(), kMax},
        {-2147483648.0, kMin},
        {-2147483648.4, kMin},
        {-2147483648.5, kMin},
        {-2147483649.0, kMin},
        {-1e18, kMin},
        {-std::numeric_limits<double>::infinity(), kMin},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundHalfEven(c.value), c.expected);
    }
}

} // namespace
} // namespace vorlane
