// End-to-end tests of the tray icon, its menu, hiding to the tray and moving the window, on the
// real Vorlane.exe with real input.
#include "ProgramTest.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

// The background left of the display: no button, field or other picture lies there.
constexpr POINT kOnBackground{30, 110};
constexpr POINT kOnMinimize{74, 16};

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

class TrayTest : public ProgramTest {
protected:
    HWND Start(const std::wstring& args) {
        HWND main = ProgramTest::Start(args);
        // The countdown runs once start-up is over.
        if (main != nullptr) {
            WaitUntil([&] { return FieldText(main, kIdTimeMinutes) != L"30"; }, milliseconds(3000));
        }
        return main;
    }
};

TEST_F(TrayTest, TheIconIsThereAndItsClickBringsTheHiddenWindowBack) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    HWND icon = FindTrayIcon();
    ASSERT_NE(icon, nullptr) << "no icon in the notification area";
    PressKey(main, VK_F12);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }, milliseconds(2000)));
    ClickScreen(CentreOf(icon));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, milliseconds(2000)))
        << "a click on the tray icon brings the window back";
}

// The shell reports a click on the notification as a callback of the icon (version 4: the
// event in the low word, the icon's id in the high word).
TEST_F(TrayTest, AClickOnTheNotificationBringsTheHiddenWindowToTheFront) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    PressKey(main, VK_F12);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }, milliseconds(2000)));
    constexpr UINT kTrayCallback = WM_APP + 1;
    PostMessageW(main, kTrayCallback, 0, MAKELPARAM(NIN_BALLOONUSERCLICK, 1));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) && GetForegroundWindow() == main; },
                          milliseconds(2000)))
        << "the window is not in front after a click on the notification";
}

TEST_F(TrayTest, StartedInTheTrayTheWindowStaysHiddenAndTheIconBringsItBack) {
    app_ = std::make_unique<VorlaneProcess>(L"-m -t30");
    ASSERT_TRUE(app_->Started()) << Narrow(app_->StartError());
    app_->DismissInfoDialog();
    HWND icon = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            icon = FindTrayIcon();
            return icon != nullptr;
        },
        milliseconds(3000)))
        << "no icon in the notification area";
    EXPECT_EQ(FindVisibleWindowOf(app_->Pid(), L"TFormVorlane"), nullptr)
        << "the window stays in the tray";
    ClickScreen(CentreOf(icon));
    EXPECT_TRUE(
        WaitUntil([&] { return FindVisibleWindowOf(app_->Pid(), L"TFormVorlane") != nullptr; },
                  milliseconds(2000)))
        << "a click on the tray icon brings the window back";
}

// The shell is told a new tip only while the pointer rests on the icon; the tip the user sees
// must still be the time the window shows, also after it has counted on for a while.
TEST_F(TrayTest, TheIconsTipShowsTheRemainingTimeWhileThePointerRestsOnIt) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    HWND icon = FindTrayIcon();
    ASSERT_NE(icon, nullptr);
    DWORD trayPid = 0;
    GetWindowThreadProcessId(icon, &trayPid);
    const auto display = [&] {
        return FieldText(main, kIdTimeMinutes).value_or(L"?") + L":" +
               FieldText(main, kIdTimeSeconds).value_or(L"?");
    };
    // A few seconds counted with the pointer elsewhere.
    HWND tip = RestOnTrayIcon(icon, milliseconds(2500));
    ASSERT_NE(tip, nullptr) << "the tip shows while the pointer rests on the icon";
    // The display may tick between two readings: the tip must show one of them.
    const auto tipMatchesDisplay = [&] {
        const std::wstring before = display();
        const std::wstring shown = TooltipText(tip).value_or(L"?");
        const std::wstring after = display();
        return shown == before || shown == after;
    };
    EXPECT_TRUE(tipMatchesDisplay())
        << "tip " << Narrow(TooltipText(tip).value_or(L"?")) << ", window " << Narrow(display());
    Sleep(2100);
    ASSERT_NE(FindVisibleTooltip(trayPid), nullptr);
    EXPECT_TRUE(tipMatchesDisplay())
        << "two seconds later: tip " << Narrow(TooltipText(tip).value_or(L"?")) << ", window "
        << Narrow(display());
}

TEST_F(TrayTest, APresetChosenFromTheTrayMenuShowsItsTime) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    HWND icon = FindTrayIcon();
    ASSERT_NE(icon, nullptr);
    ClickScreen(CentreOf(icon), true);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            menu = FindVisibleWindowOf(app_->Pid(), L"#32768");
            return menu != nullptr;
        },
        milliseconds(2000)))
        << "the right click opens the menu";
    SaveScreenshot(menu, "TrayTest.menu-open");
    // "&Zeit einstellen" opens its list; "&15" is chosen by its key.
    TypeKeys({'Z'});
    Sleep(200);
    SaveScreenshot(menu, "TrayTest.presets-open");
    const auto chosen = Clock::now();
    TypeKeys({'1'});
    const auto spent = std::chrono::duration_cast<milliseconds>(Clock::now() - chosen);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return FieldText(main, kIdTimeMinutes) == L"15" &&
                   FieldText(main, kIdTimeSeconds) == L"00";
        },
        milliseconds(300) - spent))
        << "15:00 within 300 ms of the choice; shows "
        << Narrow(FieldText(main, kIdTimeMinutes).value_or(L"?")) << ":"
        << Narrow(FieldText(main, kIdTimeSeconds).value_or(L"?"));
    EXPECT_EQ(FindVisibleWindowOf(app_->Pid(), L"#32768"), nullptr) << "the menu closed";
}

TEST_F(TrayTest, TheMinimiseButtonHidesTheWindowToTheTray) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    ClickAt(main, kOnMinimize);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }, milliseconds(2000)));
    HWND icon = FindTrayIcon();
    ASSERT_NE(icon, nullptr);
    ClickScreen(CentreOf(icon));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, milliseconds(2000)));
}

TEST_F(TrayTest, TheWindowIsDraggedByItsBackgroundAndSnapsToTheScreensEdge) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    BringToForeground(main);
    const RECT before = WindowRect(main);
    POINT grab{before.left + kOnBackground.x, before.top + kOnBackground.y};
    // Into the open: the window goes exactly as far as the pointer.
    DragPointer(grab, POINT{grab.x - 300, grab.y - 100});
    RECT moved = WindowRect(main);
    EXPECT_EQ(moved.left, before.left - 300);
    EXPECT_EQ(moved.top, before.top - 100);
    // To 6 pixels from the left edge of the screen: it snaps onto the edge.
    grab = POINT{moved.left + kOnBackground.x, moved.top + kOnBackground.y};
    DragPointer(grab, POINT{grab.x - (moved.left - 6), grab.y});
    const RECT snapped = WindowRect(main);
    EXPECT_EQ(snapped.left, 0);
    EXPECT_EQ(snapped.top, moved.top);
    EXPECT_EQ(snapped.right - snapped.left, 171);
    SaveScreenshot(main, "TrayTest.snapped-left");
}

} // namespace
} // namespace vorlane::e2e
