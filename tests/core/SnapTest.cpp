#include "core/Snap.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlane {
namespace {

struct Case {
    const char* what;
    ScreenRect workArea;
    int left, top;
    int snappedLeft, snappedTop;
};

void ExpectSnaps(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << ": proposed " << c.left << ", " << c.top);
        const ScreenRect snapped = SnapToWorkArea(ScreenRect{c.left, c.top, 171, 238}, c.workArea);
        EXPECT_EQ(snapped.left, c.snappedLeft);
        EXPECT_EQ(snapped.top, c.snappedTop);
        EXPECT_EQ(snapped.width, 171);
        EXPECT_EQ(snapped.height, 238);
    }
}

TEST(SnapToWorkAreaTest, SnapsEdgesWithinTenPixels) {
    // A 1920 x 1080 screen with a 40 pixel taskbar at the bottom; the window is 171 x 238.
    const ScreenRect area{0, 0, 1920, 1040};
    ExpectSnaps({
        {"far from every edge", area, 500, 400, 500, 400},
        {"left, 10 inside", area, 10, 400, 0, 400},
        {"left, 11 inside", area, 11, 400, 11, 400},
        {"left, 10 outside", area, -10, 400, 0, 400},
        {"left, 11 outside", area, -11, 400, -11, 400},
        // The right edge at 1910 and at 1930 snaps to 1920; at 1909 and 1931 it does not.
        {"right, 10 inside", area, 1739, 400, 1749, 400},
        {"right, 11 inside", area, 1738, 400, 1738, 400},
        {"right, 10 outside", area, 1759, 400, 1749, 400},
        {"right, 11 outside", area, 1760, 400, 1760, 400},
        {"top, 10 inside", area, 500, 10, 500, 0},
        {"top, 11 outside", area, 500, -11, 500, -11},
        // The bottom edge snaps to the taskbar's top at 1040, not to the screen's bottom.
        {"bottom, 10 inside", area, 500, 792, 500, 802},
        {"bottom, 11 inside", area, 500, 791, 500, 791},
        {"bottom, 10 outside", area, 500, 812, 500, 802},
        {"bottom, 11 outside", area, 500, 813, 500, 813},
        {"into a corner", area, 1745, 805, 1749, 802},
        {"already on the edges", area, 0, 802, 0, 802},
    });
}

TEST(SnapToWorkAreaTest, WorkAreaAwayFromTheOrigin) {
    // A monitor left of the primary screen with its taskbar at the top.
    const ScreenRect area{-1280, 30, 1280, 994};
    ExpectSnaps({
        {"left edge", area, -1275, 400, -1280, 400},
        {"right edge at 0", area, -168, 400, -171, 400},
        {"top below the taskbar", area, -900, 25, -900, 30},
        {"bottom at 1024", area, -900, 780, -900, 786},
    });
}

TEST(SnapToWorkAreaTest, NearerEdgeWinsWhenBothQualify) {
    ExpectSnaps({
        // 180 wide: at 4 the left edge is 4 away and the right one 5.
        {"left nearer", ScreenRect{0, 0, 180, 600}, 4, 300, 0, 300},
        {"right nearer", ScreenRect{0, 0, 180, 600}, 5, 300, 9, 300},
        // 181 wide: at 5 both are 5 away; the left edge wins.
        {"tie", ScreenRect{0, 0, 181, 600}, 5, 300, 0, 300},
        // 245 high: at 3 the top is 3 away and the bottom 4; at 4 the bottom is 3 away.
        {"top nearer", ScreenRect{0, 0, 800, 245}, 300, 3, 300, 0},
        {"bottom nearer", ScreenRect{0, 0, 800, 245}, 300, 4, 300, 7},
        // A window wider than the area snaps only by its own edges' distances.
        {"wider than the area", ScreenRect{0, 0, 100, 600}, -30, 300, -30, 300},
        {"wider, left edge near", ScreenRect{0, 0, 100, 600}, -5, 300, 0, 300},
    });
}

} // namespace
} // namespace vorlane
