// End-to-end tests of the pointer on the real Vorlane.exe when it moves in one single step,
// the way a flicked mouse does: the window must not depend on seeing a second move.
#include "ProgramTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

// Points in window coordinates. The background left of the display holds no button, field
// or other picture; the minutes field spans (47,47)-(81,68); the +5 point lies low in its
// picture, so its hint (which opens below the pointer) leaves the picture free.
constexpr POINT kOnBackground{30, 110};
constexpr POINT kInMinutes{64, 57};
constexpr POINT kOnPlusFive{141, 170};

std::string Describe(HWND w) {
    if (w == nullptr)
        return "no window";
    return "a window of class " + Narrow(ClassNameOf(w)) + " (id " +
           std::to_string(GetDlgCtrlID(w)) + ")";
}

// One SendInput move straight to a point of the window, with nothing in between.
void MovePointerInOneStep(HWND main, POINT client) {
    ClientToScreen(main, &client);
    MovePointerTo(client);
}

bool PointerIsAt(POINT screen) {
    POINT at{};
    return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
}

class SingleMoveTest : public ProgramTest {
protected:
    // Starts the program with `args`, brings its window to the front, rests the pointer on
    // the background and waits there until the program's start-up is over.
    HWND StartAndSettle(const std::wstring& args) {
        HWND main = Start(args);
        if (main == nullptr)
            return nullptr;
        EXPECT_TRUE(BringToForeground(main)) << "the window did not come to the front";
        MovePointerInOneStep(main, kOnBackground);
        // The countdown runs only once the last start-up step (focus parked, hint texts and
        // delay set) is done: its first step means start-up is over.
        const bool counting = WaitUntil(
            [&] {
                const auto minutes = FieldText(main, kIdTimeMinutes);
                return minutes && *minutes == L"29";
            },
            milliseconds(3000));
        EXPECT_TRUE(counting) << "the countdown did not make its first step";
        return counting ? main : nullptr;
    }

    void Screenshot(HWND main, const std::string& step, HWND alsoShow = nullptr) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        SaveScreenshot(main, std::string(info->test_suite_name()) + "." + info->name() + "." + step,
                       alsoShow);
    }
};

TEST_F(SingleMoveTest, LeavingTheWindowStraightFromTheMinutesFieldParksTheFocusOnThePlayer) {
    HWND main = StartAndSettle(L"-t30");
    ASSERT_NE(main, nullptr);
    HWND minutes = GetDlgItem(main, kIdTimeMinutes);
    HWND player = GetDlgItem(main, kIdMediaPlayer);
    ASSERT_NE(minutes, nullptr);
    ASSERT_NE(player, nullptr);
    ASSERT_EQ(Narrow(ClassNameOf(player)), "TMediaPlayer");

    // Editing the minutes: a click puts the keyboard focus into the field.
    ClickAt(main, kInMinutes);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindowOf(main) == minutes; }, milliseconds(1000)))
        << "after the click the focus is on " << Describe(FocusedWindowOf(main));
    // The pointer rests in the field for a while, as it does while the user types: by then
    // the window has long taken note that the pointer went from its background onto the
    // field, so only the field itself can notice it leaving.
    Sleep(1000);
    ASSERT_EQ(FocusedWindowOf(main), minutes)
        << "the field lost the focus while the pointer rested";
    POINT inMinutes = kInMinutes;
    ClientToScreen(main, &inMinutes);
    ASSERT_EQ(WindowFromPoint(inMinutes), minutes) << "the pointer is not over the field";

    // The bottom-right of the screen, where no window of the program lies.
    const POINT outside{GetSystemMetrics(SM_CXSCREEN) - 20, GetSystemMetrics(SM_CYSCREEN) - 20};
    DWORD pidOutside = 0;
    GetWindowThreadProcessId(WindowFromPoint(outside), &pidOutside);
    ASSERT_NE(pidOutside, app_->Pid()) << "a window of the program lies at the target point";

    MovePointerTo(outside);
    ASSERT_TRUE(PointerIsAt(outside)) << "the pointer did not get there";
    HWND focus = nullptr;
    const bool parked =
        WaitUntil([&] { return (focus = FocusedWindowOf(main)) == player; }, milliseconds(1000));
    Screenshot(main, "left");
    EXPECT_TRUE(parked) << "1 s after the pointer left, the focus is on " << Describe(focus);
}

TEST_F(SingleMoveTest, OneMoveOntoPlusFiveShowsItsHint) {
    HWND main = StartAndSettle(L"-t30");
    ASSERT_NE(main, nullptr);
    const DWORD pid = app_->Pid();
    ASSERT_TRUE(WaitUntil([&] { return FindVisibleTooltip(pid) == nullptr; }, milliseconds(2000)))
        << "a hint shows while the pointer rests on the background";

    POINT target = kOnPlusFive;
    ClientToScreen(main, &target);
    MovePointerInOneStep(main, kOnPlusFive);
    HWND tip = nullptr;
    const bool shown = WaitUntil([&] { return (tip = FindVisibleTooltip(pid)) != nullptr; },
                                 milliseconds(1500), milliseconds(10));
    Screenshot(main, "rested", tip);
    // The pointer really came to rest after the one move.
    EXPECT_TRUE(PointerIsAt(target)) << "the pointer moved again";
    ASSERT_TRUE(shown) << "no visible hint 1.5 s after one move onto +5";
    const std::optional<std::wstring> text = TooltipText(tip);
    ASSERT_TRUE(text) << "the hint window did not answer WM_GETTEXT";
    EXPECT_EQ(*text, L"\"Countdown\" um f\u00fcnf Minuten verl\u00e4ngern");
}

} // namespace
} // namespace vorlane::e2e
