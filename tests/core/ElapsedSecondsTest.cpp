#include "core/ElapsedSeconds.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace vorlane {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kLongMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kLongMax = std::numeric_limits<std::int64_t>::max();

TEST(ElapsedSecondsTest, RoundsTheMillisecondsHalfToEven) {
    struct Case {
        std::int64_t fromMs, toMs;
        std::int32_t expected;
    };
    // A base that is not a whole second, as the clock's readings rarely are.
    constexpr std::int64_t kBase = 86'400'123;
    const std::vector<Case> cases = {
        {kBase, kBase, 0},
        {kBase, kBase + 300, 0},
        {kBase, kBase + 499, 0},
        {kBase, kBase + 500, 0}, // half: to the even 0
        {kBase, kBase + 501, 1},
        {kBase, kBase + 1500, 2}, // half: to the even 2
        {kBase, kBase + 2500, 2}, // half: to the even 2
        {kBase, kBase + 2600, 3},
        {kBase, kBase + 3500, 4},
        {kBase, kBase + 600'000, 600},
        {kBase, kBase + 3'599'999, 3600},
        {kBase + 500, kBase, 0},
        {kBase + 1500, kBase, -2},
        {kBase + 2600, kBase, -3},
        {0, 999, 1},
        {-1, 499, 0},     // readings on either side of zero
        {-1'000, 500, 2}, // 1.5 s
        {-501, 0, 1},
        {-2'500, -1'000, 2},
        {999, -1'999, -3}, // a backward span of 2.998 s across zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fromMs << " to " << c.toMs);
        EXPECT_EQ(ElapsedSeconds(c.fromMs, c.toMs), c.expected);
    }
}

TEST(ElapsedSecondsTest, SaturatesWithoutOverflowForAnyReadings) {
    struct Case {
        std::int64_t fromMs, toMs;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {0, 2'147'483'647'499, kMax},
        {0, 2'147'483'647'500, kMax}, // rounds to an even value beyond the limit
        {0, 2'147'483'648'000, kMax},
        {0, -2'147'483'648'000, kMin},
        {0, -2'147'483'648'500, kMin},
        {0, -2'147'483'649'000, kMin},
        {0, 2'147'483'646'500, 2'147'483'646},
        {kLongMin, kLongMax, kMax},
        {kLongMax, kLongMin, kMin},
        {kLongMax, kLongMax, 0},
        {kLongMin, kLongMin, 0},
        {kLongMax - 1'500, kLongMax, 2},
        {kLongMin, kLongMin + 2'500, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fromMs << " to " << c.toMs);
        EXPECT_EQ(ElapsedSeconds(c.fromMs, c.toMs), c.expected);
    }
}

TEST(ElapsedSecondsTest, TicksAfterIrregularGapsAddUpToTheTotal) {
    // Ticks 2.6 s apart: each difference is 2 or 3, and together they never drift from the
    // total since the base.
    constexpr std::int64_t kBase = 5'000;
    std::int32_t previous = 0;
    std::vector<std::int32_t> deltas;
    for (int tick = 1; tick <= 10; ++tick) {
        const std::int32_t total = ElapsedSeconds(kBase, kBase + tick * 2600);
        deltas.push_back(total - previous);
        previous = total;
    }
    EXPECT_EQ(deltas, (std::vector<std::int32_t>{3, 2, 3, 2, 3, 3, 2, 3, 2, 3}));
    EXPECT_EQ(previous, 26);
}

} // namespace
} // namespace vorlane
