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
    // Empty: the virtual screen is one monitor.
    std::vector<ScreenRect> monitors = {};
};

void ExpectPositions(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.what << ": stored " << c.stored.left << ", " << c.stored.top);
        const std::vector<ScreenRect> monitors =
            c.monitors.empty() ? std::vector<ScreenRect>{c.virtualScreen} : c.monitors;
        const ScreenPoint placed =
            KeepOnScreen(c.stored, kWindow, c.virtualScreen, monitors, c.primaryScreen);
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
        // Near the top left corner: past the left edge the column is centred and the top row
        // stays; one column at the left edge shows no pixel above row 140 of the window, nor
        // below its 106th row.
        {"past left, top limit", screen, primary, {-171, -237}, {874, -237}},
        {"left limit, high", screen, primary, {-170, -140}, {874, 421}},
        {"left limit, low", screen, primary, {-170, 974}, {874, 421}},
        {"bottom limit, middle", screen, primary, {800, 1069}, {800, 1069}},
    });
}

TEST(KeepOnScreenTest, SeveralMonitors) {
    const ScreenRect primaryMonitor{0, 0, 1920, 1080};
    // A 1280 x 1024 monitor left of the 1920 x 1080 primary screen, tops aligned.
    const ScreenRect leftOfPrimary{-1280, 0, 3200, 1080};
    const std::vector<ScreenRect> left{{-1280, 0, 1280, 1024}, primaryMonitor};
    // A 1920 x 1200 monitor above the primary screen.
    const ScreenRect abovePrimary{0, -1200, 1920, 2280};
    const std::vector<ScreenRect> above{{0, -1200, 1920, 1200}, primaryMonitor};
    // A 2560 x 1440 monitor right of the primary screen.
    const ScreenRect rightOfPrimary{0, 0, 4480, 1440};
    const std::vector<ScreenRect> right{primaryMonitor, {1920, 0, 2560, 1440}};
    const ScreenSize primary{1920, 1080};
    ExpectPositions({
        {"on the left monitor", leftOfPrimary, primary, {-1000, 100}, {-1000, 100}, left},
        {"left limit", leftOfPrimary, primary, {-1450, 100}, {-1450, 100}, left},
        // Rejected edges are centred on the primary screen, not on the virtual screen.
        {"past left", leftOfPrimary, primary, {-1451, 100}, {874, 100}, left},
        {"right limit", leftOfPrimary, primary, {1909, 100}, {1909, 100}, left},
        {"past right", leftOfPrimary, primary, {1910, 100}, {874, 100}, left},
        {"on the upper monitor", abovePrimary, primary, {100, -1000}, {100, -1000}, above},
        {"top limit", abovePrimary, primary, {100, -1437}, {100, -1437}, above},
        {"past top", abovePrimary, primary, {100, -1438}, {100, 421}, above},
        {"bottom limit", abovePrimary, primary, {100, 1069}, {100, 1069}, above},
        {"on the right monitor", rightOfPrimary, primary, {4000, 1300}, {4000, 1300}, right},
        {"past the right monitor", rightOfPrimary, primary, {4470, 1430}, {874, 421}, right},
    });
}

// Inside the box around all monitors but on none of them: in the gap beside a smaller
// monitor nobody would see the window.
TEST(KeepOnScreenTest, APlaceInTheVirtualScreenThatLiesOnNoMonitorIsCentred) {
    const ScreenSize primary{1920, 1080};
    // A 1280 x 720 monitor right of the primary screen, tops aligned.
    const ScreenRect besideSmaller{0, 0, 3200, 1080};
    const std::vector<ScreenRect> smaller{{0, 0, 1920, 1080}, {1920, 0, 1280, 720}};
    // The 1280 x 1024 monitor left of the primary screen.
    const ScreenRect leftOfPrimary{-1280, 0, 3200, 1080};
    const std::vector<ScreenRect> left{{-1280, 0, 1280, 1024}, {0, 0, 1920, 1080}};
    ExpectPositions({
        // Centred along each axis on which it sticks out of the primary screen.
        {"below the smaller monitor", besideSmaller, primary, {2500, 842}, {874, 842}, smaller},
        {"below it and past the primary's bottom",
         besideSmaller,
         primary,
         {3100, 900},
         {874, 421},
         smaller},
        {"below the left monitor", leftOfPrimary, primary, {-1000, 1050}, {874, 421}, left},
        // One row of the ellipse on the smaller monitor is enough.
        {"eleven rows on the smaller monitor",
         besideSmaller,
         primary,
         {2500, 709},
         {2500, 709},
         smaller},
        {"straddling both monitors", besideSmaller, primary, {1850, 800}, {1850, 800}, smaller},
    });
}

// A window whose monitor went away while it runs comes back into the nearest work area; one
// that still shows a pixel somewhere stays.
TEST(BringOntoAMonitorTest, OnlyAWindowOnNoMonitorIsMovedIntoTheWorkArea) {
    const std::vector<ScreenRect> shrunk{{0, 0, 1024, 768}};
    const ScreenRect workArea{0, 0, 1024, 728};
    const struct {
        const char* what;
        ScreenPoint at;
        ScreenPoint expected;
    } cases[] = {
        {"on the screen", {100, 100}, {100, 100}},
        {"half of it on the screen", {938, 300}, {938, 300}},
        {"beyond the right and bottom", {1600, 800}, {853, 490}},
        {"beyond the right only", {1600, 300}, {853, 300}},
        {"beyond the left and top", {-400, -300}, {0, 0}},
        {"far out", {kMax - 200, kMin}, {853, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScreenPoint placed = BringOntoAMonitor(c.at, kWindow, shrunk, workArea);
        EXPECT_EQ(placed.left, c.expected.left);
        EXPECT_EQ(placed.top, c.expected.top);
    }
    // A work area smaller than the window: its top-left corner.
    const ScreenPoint tiny =
        BringOntoAMonitor({500, 500}, kWindow, {{0, 0, 100, 100}}, ScreenRect{0, 0, 100, 100});
    EXPECT_EQ(tiny.left, 0);
    EXPECT_EQ(tiny.top, 0);
}

} // namespace
} // namespace vorlane
