#include "core/ScreenCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace vorlane {
namespace {

constexpr ScreenSize kWindow{171, 238};
constexpr int kMin = std::numeric_limits<std::int32_t>::min();
constexpr int kMax = std::numeric_limits<std::int32_t>::max();

struct Case {
    const char* what;
    ScreenRect virtualScreen;
    ScreenSize primaryScreen;
    ScreenPoint stored;
    ScreenPoint expected;
};

void ExpectPositions(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.what << ": stored " << c.stored.left << ", " << c.stored.top);
        const ScreenPoint placed =
            KeepOnScreen(c.stored, kWindow, c.virtualScreen, c.primaryScreen);
        EXPECT_EQ(placed.left, c.expected.left);
        EXPECT_EQ(placed.top, c.expected.top);
    }
}

TEST(KeepOnScreenTest, SingleScreen) {
    const ScreenRect screen{0, 0, 1920, 1080};
    const ScreenSize primary{1920, 1080};
    ExpectPositions({
        {"inside", screen, primary, {100, 200}, {100, 200}},
        // 11 columns left on the screen at the right: kept; 10: centred at 874 (874.5).
        {"right limit", screen, primary, {1909, 200}, {1909, 200}},
        {"past right", screen, primary, {1910, 200}, {874, 200}},
        // One column left on the screen at the left: kept; none: centred.
        {"left limit", screen, primary, {-170, 200}, {-170, 200}},
        {"past left", screen, primary, {-171, 200}, {874, 200}},
        {"bottom limit", screen, primary, {100, 1069}, {100, 1069}},
        {"past bottom", screen, primary, {100, 1070}, {100, 421}},
        {"top limit", screen, primary, {100, -237}, {100, -237}},
        {"past top", screen, primary, {100, -238}, {100, 421}},
        // The two axes are decided on their own.
        {"both off", screen, primary, {1910, 1070}, {874, 421}},
        {"extremes", screen, primary, {kMin, kMax}, {874, 421}},
        {"other extremes", screen, primary, {kMax, kMin}, {874, 421}},
    });
}

TEST(KeepOnScreenTest, WiderPrimaryScreen) {
    const ScreenRect screen{0, 0, 2560, 1440};
    const ScreenSize primary{2560, 1440};
    ExpectPositions({
        {"right limit", screen, primary, {2549, 300}, {2549, 300}},
        // 1194.5 rounds to the even 1194.
        {"past right", screen, primary, {2550, 300}, {1194, 300}},
        {"past bottom", screen, primary, {300, 1430}, {300, 601}},
    });
}

// What remains on the screen is counted on the round window's pixels, not on its bounding box:
// in a corner of the screen a window can keep 11 columns and rows of its box on the screen and
// still show none of its ellipse.
TEST(KeepOnScreenTest, ACornerThatShowsNoPixelOfTheRoundWindowIsCentred) {
    const ScreenRect small{0, 0, 1024, 768};
    const ScreenSize smallPrimary{1024, 768};
    const ScreenRect screen{0, 0, 1920, 1080};
    const ScreenSize primary{1920, 1080};
    ExpectPositions({
        // 14 columns and 13 rows of the box on the screen, none of the ellipse: centred
        // (426.5 rounds to the even 426).
        {"bottom right corner", small, smallPrimary, {1010, 755}, {426, 265}},
        {"at both far limits", screen, primary, {1909, 1069}, {874, 421}},
        {"at both near limits", screen, primary, {-170, -237}, {874, 421}},
        {"top right corner", screen, primary, {1909, -227}, {874, 421}},
        // Positions that show some of the ellipse stay, however little of it.
        {"right limit, low", screen, primary, {1909, 1000}, {1909, 1000}},
        {"right limit, high", screen, primary, {1909, -150}, {1909, -150}},
        {"left limit, bottom limit", screen, primary, {-170, 1069}, {874, 421}},
        {"left limit, middle", screen, primary, {-170, 500}, {-170, 500}},
        {"top limit, middle", screen, primary, {800, -237}, {800, -237}},
        {"bottom limit, middle", screen, primary, {800, 1069}, {800, 1069}},
    });
}

TEST(KeepOnScreenTest, SeveralMonitors) {
    // A 1280 x 1024 monitor left of the 1920 x 1080 primary screen, tops aligned.
    const ScreenRect leftOfPrimary{-1280, 0, 3200, 1080};
    // A 1920 x 1200 monitor above the primary screen.
    const ScreenRect abovePrimary{0, -1200, 1920, 2280};
    // A 2560 x 1440 monitor right of the primary screen.
    const ScreenRect rightOfPrimary{0, 0, 4480, 1440};
    const ScreenSize primary{1920, 1080};
    ExpectPositions({
        {"on the left monitor", leftOfPrimary, primary, {-1000, 100}, {-1000, 100}},
        {"left limit", leftOfPrimary, primary, {-1450, 100}, {-1450, 100}},
        // Rejected edges are centred on the primary screen, not on the virtual screen.
        {"past left", leftOfPrimary, primary, {-1451, 100}, {874, 100}},
        {"right limit", leftOfPrimary, primary, {1909, 100}, {1909, 100}},
        {"past right", leftOfPrimary, primary, {1910, 100}, {874, 100}},
        // The check knows only the box around all monitors: below the shorter left monitor
        // lies no screen, yet the position is kept.
        {"below the left monitor", leftOfPrimary, primary, {-1000, 1050}, {-1000, 1050}},
        {"on the upper monitor", abovePrimary, primary, {100, -1000}, {100, -1000}},
        {"top limit", abovePrimary, primary, {100, -1437}, {100, -1437}},
        {"past top", abovePrimary, primary, {100, -1438}, {100, 421}},
        {"bottom limit", abovePrimary, primary, {100, 1069}, {100, 1069}},
        {"on the right monitor", rightOfPrimary, primary, {4000, 1300}, {4000, 1300}},
        {"past the right monitor", rightOfPrimary, primary, {4470, 1430}, {874, 421}},
    });
}

} // namespace
} // namespace vorlane
