#include "core/Centring.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlane {
namespace {

TEST(CentredOnScreenTest, RoundsHalvesToTheEvenNeighbour) {
    struct Case {
        ScreenSize screen, window;
        int left, top;
    };
    const std::vector<Case> cases = {
        // The info dialog: 718.5 goes down to 718; 312 needs no rounding.
        {{1920, 1080}, {483, 456}, 718, 312},
        // The main window: 874.5 down to 874, 421 exact.
        {{1920, 1080}, {171, 238}, 874, 421},
        // 1194.5 down to 1194, 600.5 down to 600.
        {{2560, 1439}, {171, 238}, 1194, 600},
        // 441.5 up to 442; 156 exact.
        {{1366, 768}, {483, 456}, 442, 156},
        // Odd screen and odd window: 1190 and 592 without a half.
        {{2561, 1423}, {181, 239}, 1190, 592},
        // Odd screen, even window: 1190.5 down to 1190; 592.5 down to 592, 593.5 up to 594.
        {{2561, 1423}, {180, 238}, 1190, 592},
        {{2561, 1425}, {180, 238}, 1190, 594},
        // A dialog larger than the screen starts left of and above it: -41.5 to -42, -78 exact.
        {{400, 300}, {483, 456}, -42, -78},
        // -42.5 to -42.
        {{400, 300}, {485, 456}, -42, -78},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen.width << 'x' << c.screen.height << " window "
                                        << c.window.width << 'x' << c.window.height);
        const ScreenPoint point = CentredOnScreen(c.screen, c.window);
        EXPECT_EQ(point.left, c.left);
        EXPECT_EQ(point.top, c.top);
    }
}

} // namespace
} // namespace vorlane
