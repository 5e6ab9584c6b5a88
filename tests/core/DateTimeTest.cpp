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

TEST(SecondsSinceTest, RoundsTheElapsedMilliseconds) {
    const double base = EncodeDateTime(2024, 5, 17, 10, 0, 0, 0);
    struct Case {
        int hour, minute, second, millisecond;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {10, 0, 0, 0, 0},   {10, 0, 0, 300, 0},  {10, 0, 0, 499, 0},
        {10, 0, 0, 501, 1}, {10, 0, 0, 999, 1},  {10, 0, 2, 600, 3},
        {10, 0, 2, 400, 2}, {10, 10, 0, 0, 600}, {10, 59, 59, 999, 3600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.hour << ':' << c.minute << ':' << c.second << '.' << c.millisecond);
        EXPECT_EQ(SecondsSince(
                      base, EncodeDateTime(2024, 5, 17, c.hour, c.minute, c.second, c.millisecond)),
                  c.expected);
    }
}

TEST(SecondsSinceTest, TicksAfterIrregularGapsAddUpToTheTotal) {
    // Ticks 2.6 s apart: each delta is 2 or 3, and together they never drift from the total.
    const double base = EncodeDateTime(2024, 5, 17, 10, 0, 0, 0);
    std::int32_t previous = 0;
    std::int32_t sumOfDeltas = 0;
    std::vector<std::int32_t> deltas;
    for (int tick = 1; tick <= 10; ++tick) {
        const int elapsedMs = tick * 2600;
        const double now = EncodeDateTime(2024, 5, 17, 10, 0, elapsedMs / 1000, elapsedMs % 1000);
        const std::int32_t total = SecondsSince(base, now);
        deltas.push_back(total - previous);
        sumOfDeltas += total - previous;
        previous = total;
    }
    EXPECT_EQ(deltas, (std::vector<std::int32_t>{3, 2, 3, 2, 3, 3, 2, 3, 2, 3}));
    EXPECT_EQ(sumOfDeltas, 26);
}

TEST(SecondsSinceTest, FollowsTheWallClockAcrossMidnightAndClockChanges) {
    struct Case {
        const char* what;
        double base;
        double now;
        std::int32_t expected;
    };
    const double ten = EncodeDateTime(2024, 10, 27, 10, 0, 0, 0);
    const std::vector<Case> cases = {
        {"clock set back one hour", ten, EncodeDateTime(2024, 10, 27, 9, 0, 1, 0), -3599},
        {"clock set forward one hour", ten, EncodeDateTime(2024, 10, 27, 11, 0, 1, 0), 3601},
        {"across midnight", EncodeDateTime(2024, 12, 31, 23, 59, 59, 0),
         EncodeDateTime(2025, 1, 1, 0, 0, 1, 400), 2},
        {"across a leap day", EncodeDateTime(2024, 2, 28, 12, 0, 0, 0),
         EncodeDateTime(2024, 3, 1, 12, 0, 0, 0), 2 * 86400},
        {"a sleep of ten minutes", ten, EncodeDateTime(2024, 10, 27, 10, 10, 0, 200), 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SecondsSince(c.base, c.now), c.expected);
    }
}

TEST(SecondsSinceTest, SaturatesForAnUnsetTimeBase) {
    // A time base of 0 lies in 1899; the seconds since then exceed 32 bits.
    EXPECT_EQ(SecondsSince(0.0, EncodeDateTime(2024, 1, 1, 0, 0, 0, 0)), kMax);
    EXPECT_EQ(SecondsSince(EncodeDateTime(2024, 1, 1, 0, 0, 0, 0), 0.0), kMin);
}

} // namespace
} // namespace vorlane
