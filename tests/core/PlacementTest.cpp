#include "core/Placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlane {
namespace {

TEST(FirstRunPositionTest, PlacesRightOfCentreWithinTheScreen) {
    struct Case {
        int screenWidth, screenHeight, windowWidth, windowHeight;
        int left, top;
    };
    const std::vector<Case> cases = {
        // 874.5 rounds to 874, then 360 to the right.
        {1920, 1080, 171, 238, 1234, 421},
        // 314.5 + 360 would pass the right edge: clamped to 800 - 171.
        {800, 600, 171, 238, 629, 181},
        // 597.5 rounds up to the even 598; 265 needs no rounding.
        {1366, 768, 171, 238, 958, 265},
        // Odd window heights: 265.5 goes up to 266, 264.5 down to 264.
        {1366, 768, 171, 237, 958, 266},
        {1366, 768, 171, 239, 958, 264},
        // Odd screen sizes: 1190.5 -> 1190, 592.5 -> 592.
        {2561, 1423, 180, 238, 1550, 592},
        // Right edge of the window exactly on the screen's edge: left as computed.
        {891, 600, 171, 238, 720, 181},
        // 359.5 rounds to 360, one pixel too far right: clamped to 719.
        {890, 600, 171, 238, 719, 181},
        // 360.5 rounds down to 360, so the window stays one pixel inside the edge.
        {892, 600, 171, 238, 720, 181},
        // A window wider than the screen keeps its right edge on the screen.
        {100, 100, 171, 238, -71, -69},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screenWidth << 'x' << c.screenHeight << " window "
                                        << c.windowWidth << 'x' << c.windowHeight);
        const ScreenPoint point =
            FirstRunPosition(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight);
        EXPECT_EQ(point.left, c.left);
        EXPECT_EQ(point.top, c.top);
    }
}

} // namespace
} // namespace vorlane
