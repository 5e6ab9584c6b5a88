// The services the program asks of Windows, against the real system: the screen's work areas,
// message boxes over the main window and the shell starting a program with its parameters.
#include "Win32Fixture.h"

#include "platform/win32/ApplicationRestart.h"
#include "platform/win32/LocalClock.h"
#include "platform/win32/Utf16.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace vorlane::testing {
namespace {

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

TEST_F(Win32Window, TheWorkAreaOfAnyWindowPlaceIsThatOfTheMonitorNearestToIt) {
    Screen& screen = host->Services().screen;
    const Rect work = screen.WorkArea();
    ASSERT_GT(work.width, 0);
    ASSERT_GT(work.height, 0);
    EXPECT_TRUE(Inside(work, Rect{0, 0, screen.Width(), screen.Height()}));
    EXPECT_TRUE(Inside(work, screen.VirtualScreen()));
    // A window on the primary monitor, and one far off every monitor: the nearest is the
    // primary one (the test runs on one monitor).
    EXPECT_EQ(screen.WorkAreaOf(Rect{work.left + 10, work.top + 10, 180, 250}), work);
    EXPECT_EQ(screen.WorkAreaOf(Rect{100000, 100000, 180, 250}), work);
    EXPECT_EQ(screen.WorkAreaOf(Rect{-100000, -100000, 180, 250}), work);
}

// What the program's windows looked like while the box was open.
struct WhileOpen {
    bool seen = false;
    HWND owner = nullptr;
    bool mainTopmost = false;
    bool otherTopmost = false;
    bool otherEnabled = false;
};
WhileOpen whileOpen;
HWND mainWindow = nullptr;
HWND otherWindow = nullptr;

bool Topmost(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void CALLBACK LookAtTheBoxAndCloseIt(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (box == nullptr || !IsWindowVisible(box)) {
        return;
    }
    KillTimer(nullptr, id);
    whileOpen = {true, GetWindow(box, GW_OWNER), Topmost(mainWindow), Topmost(otherWindow),
                 IsWindowEnabled(otherWindow) != FALSE};
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

TEST_F(Win32Window, AMessageBoxBelongsToTheMainWindowAndNoOtherWindowCoversIt) {
    Pump(1000); // start-up finished
    mainWindow = window;
    otherWindow = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"Anderes",
                                  WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(otherWindow, nullptr);
    for (const bool keepMainTopmost : {false, true}) {
        SCOPED_TRACE(keepMainTopmost ? "main window kept on top" : "main window lowered");
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        whileOpen = {};
        SetTimer(nullptr, 0, 50, LookAtTheBoxAndCloseIt);
        host->Services().messageBoxes.Show("Ein Kasten", "Hinweis", MessageIcon::Information,
                                           keepMainTopmost);
        ASSERT_TRUE(whileOpen.seen);
        EXPECT_EQ(whileOpen.owner, window);
        EXPECT_EQ(whileOpen.mainTopmost, keepMainTopmost);
        EXPECT_FALSE(whileOpen.otherTopmost);
        EXPECT_FALSE(whileOpen.otherEnabled);
        // Afterwards everything is as it was.
        EXPECT_TRUE(Topmost(window));
        EXPECT_TRUE(Topmost(otherWindow));
        EXPECT_TRUE(IsWindowEnabled(otherWindow));
    }
    DestroyWindow(otherWindow);
}

TEST_F(Win32Window, TheShellStartsAProgramWithItsParametersAndRefusesAMissingFile) {
    Shell& shell = host->Services().shell;
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring listFile = std::wstring(folder) + L"vorlane-shell-test.xml";
    DeleteFileW(listFile.c_str());
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);

    EXPECT_FALSE(shell.Open(win32::Narrow(std::wstring(folder) + L"gibt-es-nicht.exe"), ""));
    // This test program, asked to write its list of tests into a file: the file proves that
    // the program ran and got the parameters.
    ASSERT_TRUE(shell.Open(win32::Narrow(self),
                           "--gtest_list_tests --gtest_output=xml:" + win32::Narrow(listFile)));
    bool written = false;
    for (int i = 0; i < 200 && !written; ++i) {
        Pump(50);
        written = GetFileAttributesW(listFile.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    EXPECT_TRUE(written);
    Pump(200); // the program has finished writing
    DeleteFileW(listFile.c_str());
}

// The UTC clock is the C runtime's time, and lies behind the local clock by the time zone's
// bias, daylight saving included.
TEST(Win32Clock, TheUtcClockIsTheSystemTimeTheLocalClockLeadsByTheBias) {
    win32::LocalClock clock;
    const std::int64_t utc = clock.UtcMs();
    const auto runtime = static_cast<std::int64_t>(std::time(nullptr)) * 1000;
    EXPECT_LE(std::llabs(utc - runtime), 2000);
    TIME_ZONE_INFORMATION zone{};
    const DWORD which = GetTimeZoneInformation(&zone);
    const LONG bias = zone.Bias + (which == TIME_ZONE_ID_DAYLIGHT   ? zone.DaylightBias
                                   : which == TIME_ZONE_ID_STANDARD ? zone.StandardBias
                                                                    : 0);
    const std::int64_t local = std::llround(clock.Now() * 86'400'000.0) - 25'569LL * 86'400'000;
    EXPECT_LE(std::llabs(local - clock.UtcMs() + std::int64_t{bias} * 60'000), 2000);
}

// The restart Windows is asked for names the arguments given; withdrawn, none is left.
TEST(Win32Restart, TheRegisteredArgumentsAreTheOnesGivenUntilWithdrawn) {
    win32::ApplicationRestart restart;
    restart.Register("-p --countdown=0badf00d");
    wchar_t arguments[256] = {};
    DWORD size = 256;
    DWORD flags = 1;
    const HRESULT asked =
        GetApplicationRestartSettings(GetCurrentProcess(), arguments, &size, &flags);
    if (asked == E_NOTIMPL) {
        restart.Withdraw();
        GTEST_SKIP() << "this system does not tell a process its restart settings";
    }
    ASSERT_EQ(asked, S_OK);
    EXPECT_EQ(std::wstring(arguments), L"-p --countdown=0badf00d");
    EXPECT_EQ(flags, 0u);
    restart.Withdraw();
    size = 256;
    EXPECT_NE(GetApplicationRestartSettings(GetCurrentProcess(), arguments, &size, &flags), S_OK);
}

} // namespace
} // namespace vorlane::testing
