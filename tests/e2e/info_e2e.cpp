// End-to-end test of the info dialog on the real Vorlane.exe: opened with F1, where it lies,
// what it is called, and closed with Escape.
#include "driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace vorlane::e2e {
namespace {

HWND WaitForDialog(const VorlaneProcess& app, HWND other = nullptr) {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            dialog = FindVisibleWindowOf(app.Pid(), L"TShowInfoDialog");
            return dialog != nullptr && dialog != other;
        },
        milliseconds(3000));
    return dialog != other ? dialog : nullptr;
}

// How much of the sibling's icon shows in a dialog: the share of its pixels that differ from
// its top-left one (a blank place has none).
double IconCoverage(HWND dialog) {
    const Image icon = CaptureWindowArea(dialog, RECT{390, 310, 390 + 77, 310 + 90});
    if (icon.pixels.empty()) {
        return 0.0;
    }
    size_t differing = 0;
    for (std::uint32_t px : icon.pixels) {
        differing += px != icon.pixels.front() ? 1U : 0U;
    }
    return static_cast<double>(differing) / static_cast<double>(icon.pixels.size());
}

TEST(InfoDialogTest, OverTheFirstStartsDialogF1ShowsAnotherOneWithItsIcon) {
    VorlaneProcess app(L"-t30");
    ASSERT_TRUE(app.Started());
    HWND main = app.WaitForMainWindow(milliseconds(10000), false);
    ASSERT_NE(main, nullptr);
    // The dialog of the first start stays open while the user presses F1 on the window.
    HWND first = WaitForDialog(app);
    ASSERT_NE(first, nullptr);
    Sleep(1000);
    EXPECT_GT(IconCoverage(first), 0.3);
    PressKey(main, VK_F1);
    HWND second = WaitForDialog(app, first);
    ASSERT_NE(second, nullptr);
    Sleep(1000);
    EXPECT_GT(IconCoverage(second), 0.3) << "the icon's place is blank";
    SaveScreenshot(second, "InfoDialogTest.over-first-start");
}

TEST(InfoDialogTest, F1OpensItCentredWithTheGermanCaptionAndEscapeClosesIt) {
    VorlaneProcess app(L"-t30");
    ASSERT_TRUE(app.Started());
    HWND main = app.WaitForMainWindow(milliseconds(10000));
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(FindVisibleWindowOf(app.Pid(), L"TShowInfoDialog"), nullptr);

    PressKey(main, VK_F1);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            dialog = FindVisibleWindowOf(app.Pid(), L"TShowInfoDialog");
            return dialog != nullptr;
        },
        milliseconds(2000)));
    // The version is the project's (major.minor), given by CMake.
    EXPECT_EQ(Narrow(CaptionOf(dialog)),
              "Vorlane Version " VORLANE_PROJECT_VERSION " Deutsch (64bit)");
    RECT r{};
    GetWindowRect(dialog, &r);
    // Centred on 1920 x 1080: 718.5 rounds to the even 718.
    EXPECT_EQ(r.left, 718);
    EXPECT_EQ(r.top, 312);
    EXPECT_EQ(r.right - r.left, 483);
    EXPECT_EQ(r.bottom - r.top, 456);
    const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0);
    Sleep(300);
    SaveScreenshot(dialog, "InfoDialogTest.open");
    // F1 again opens a second dialog over the first; the sibling's icon is drawn in it too,
    // although the first dialog, already painted, shows the same picture.
    PressKey(main, VK_F1);
    HWND second = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            second = FindVisibleWindowOf(app.Pid(), L"TShowInfoDialog");
            return second != nullptr && second != dialog;
        },
        milliseconds(2000)));
    Sleep(300);
    const Image icon = CaptureWindowArea(second, RECT{390, 310, 390 + 77, 310 + 90});
    ASSERT_EQ(icon.pixels.size(), 77u * 90u);
    size_t differing = 0;
    for (std::uint32_t px : icon.pixels) {
        differing += px != icon.pixels.front() ? 1U : 0U;
    }
    EXPECT_GT(differing, icon.pixels.size() / 3) << "the icon's place is blank";
    SaveScreenshot(second, "InfoDialogTest.second");
    PressKey(second, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(second); }, milliseconds(2000)));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the first dialog stays open";

    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, milliseconds(2000)));
    EXPECT_FALSE(app.HasExited()) << "Escape in the dialog closes the dialog, not the program";
    EXPECT_TRUE(IsWindowVisible(main));
}

} // namespace
} // namespace vorlane::e2e
