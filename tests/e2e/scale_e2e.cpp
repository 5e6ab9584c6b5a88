// End-to-end: the real Vorlane.exe at the display's scale (run with the Wine prefix's
// LogPixels at 144 as well as at 96): clicks at the scaled places of +5, -1, play and the
// colon land on them.
#include "ProgramTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

class ScaleTest : public ProgramTest {
protected:
    // A point of the design (96 DPI) where it lies in the window at the display's scale.
    POINT Scaled(int x, int y) const {
        return POINT{static_cast<LONG>(std::lround(x * scale_)),
                     static_cast<LONG>(std::lround(y * scale_))};
    }
    RECT Scaled(const RECT& design) const {
        const POINT topLeft = Scaled(design.left, design.top);
        const POINT bottomRight = Scaled(design.right, design.bottom);
        return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    }

    HWND StartCounting() {
        HWND main = Start(L"-t30");
        if (main == nullptr) {
            return nullptr;
        }
        RECT bounds;
        GetWindowRect(main, &bounds);
        scale_ = (bounds.right - bounds.left) / 171.0;
        const std::string first = FieldUtf8(main, kIdTimeSeconds);
        WaitUntil([&] { return FieldUtf8(main, kIdTimeSeconds) != first; }, milliseconds(3000));
        BringToForeground(main);
        return main;
    }

    double scale_ = 1.0;
};

bool SamePixels(const Image& a, const Image& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

TEST_F(ScaleTest, ClicksOnPlusFiveMinusOnePlayAndTheColonLandOnThem) {
    HWND main = StartCounting();
    ASSERT_NE(main, nullptr);
    SCOPED_TRACE("scale " + std::to_string(scale_));

    ClickAt(main, Scaled(141, 158)); // +5
    EXPECT_TRUE(
        WaitUntil([&] { return FieldUtf8(main, kIdTimeMinutes) == "34"; }, milliseconds(1500)))
        << "after +5 the minutes show " << FieldUtf8(main, kIdTimeMinutes);
    ClickAt(main, Scaled(38, 205)); // -1
    EXPECT_TRUE(
        WaitUntil([&] { return FieldUtf8(main, kIdTimeMinutes) == "33"; }, milliseconds(1500)))
        << "after -1 the minutes show " << FieldUtf8(main, kIdTimeMinutes);

    // Play, pressed: its pressed picture shows while the button is held.
    const RECT play = Scaled(RECT{70, 165, 70 + 32, 165 + 56});
    MovePointerOnto(main, Scaled(86, 195));
    Sleep(300);
    const Image resting = CaptureWindowArea(main, play);
    PressLeftButton();
    const bool pressedLook = WaitUntil(
        [&] { return !SamePixels(CaptureWindowArea(main, play), resting); }, milliseconds(1500));
    ReleaseLeftButton();
    EXPECT_TRUE(pressedLook) << "play did not take the press";

    ClickAt(main, Scaled(85, 57)); // the colon
    EXPECT_TRUE(WaitUntil([&] { return FieldShown(main, kIdEndTimeComboBox); }, milliseconds(1500)))
        << "the colon did not open the clock times";
}

} // namespace
} // namespace vorlane::e2e
