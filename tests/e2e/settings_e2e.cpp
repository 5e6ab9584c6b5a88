// End-to-end test of the settings file on the real Vorlane.exe: the first start writes it, a
// drag is saved at exit, and the next start comes up where the window was left; two copies
// running at once keep each other's choices.
#include "driver.h"

#include "app/ControlIds.h"
#include "tests/support/FileDialogDriver.h"
#include "tests/support/SoundFiles.h"
#include "tests/support/WineHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vorlane::e2e {
namespace {

constexpr milliseconds kStartTimeout(10000);
// The background left of the display: no button, field or other picture lies there.
constexpr POINT kOnBackground{30, 110};
constexpr POINT kOnOpen{85, 134};
constexpr wchar_t kDialogCaption[] = L"Musikdatei auswählen";

std::string BytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file as the program writes it, for a window at this place and no sound file.
std::string SettingsAt(const RECT& window) {
    return "\xEF\xBB\xBF\r\n" + std::to_string(window.left) + "\r\n" + std::to_string(window.top) +
           "\r\n";
}

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

// The main window once start-up is over (the countdown has begun to run).
HWND RunningWindow(VorlaneProcess& app) {
    HWND main = app.Started() ? app.WaitForMainWindow(kStartTimeout) : nullptr;
    if (main != nullptr) {
        WaitUntil([&] { return FieldText(main, kIdTimeMinutes) != L"30"; }, milliseconds(3000));
    }
    return main;
}

TEST(SettingsTest, AFirstStartWritesItsPlaceADragIsSavedAtExitAndTheNextStartComesUpThere) {
    if (!testsupport::RunningUnderWine()) {
        GTEST_SKIP() << "a first start needs the user's settings folder removed: only under Wine";
    }
    const std::filesystem::path file = UserSettingsFile();
    RECT dragged{};
    {
        VorlaneProcess first(L"-t30");
        HWND main = RunningWindow(first);
        ASSERT_NE(main, nullptr);
        const RECT placed = WindowRect(main);
        if (GetSystemMetrics(SM_CXSCREEN) == 1920 && GetSystemMetrics(SM_CYSCREEN) == 1080) {
            EXPECT_EQ(placed.left, 1234);
            EXPECT_EQ(placed.top, 421);
        }
        EXPECT_EQ(BytesOf(file), SettingsAt(placed)) << "written at once on a first start";

        BringToForeground(main);
        const POINT grab{placed.left + kOnBackground.x, placed.top + kOnBackground.y};
        DragPointer(grab, POINT{grab.x - 300, grab.y - 100});
        dragged = WindowRect(main);
        ASSERT_EQ(dragged.left, placed.left - 300);
        ASSERT_EQ(dragged.top, placed.top - 100);
        EXPECT_EQ(BytesOf(file), SettingsAt(placed)) << "nothing is written before the exit";

        first.End();
        ASSERT_TRUE(first.HasExited());
        EXPECT_EQ(BytesOf(file), SettingsAt(dragged));
    }
    const auto written = std::filesystem::last_write_time(file);
    {
        VorlaneProcess next(L"-t30", Settings::Kept);
        HWND main = RunningWindow(next);
        ASSERT_NE(main, nullptr);
        const RECT placed = WindowRect(main);
        EXPECT_EQ(placed.left, dragged.left);
        EXPECT_EQ(placed.top, dragged.top);
        next.End();
        ASSERT_TRUE(next.HasExited());
    }
    // A run in which nothing that is kept changed leaves the file alone.
    EXPECT_EQ(BytesOf(file), SettingsAt(dragged));
    EXPECT_EQ(std::filesystem::last_write_time(file), written);
}

// Copy B chooses a sound and exits; copy A, only moved, exits later: the file keeps B's sound
// and takes A's place.
TEST(SettingsTest, TwoCopiesRunningAtOnceKeepEachOthersChoices) {
    if (!testsupport::RunningUnderWine()) {
        GTEST_SKIP() << "a first start needs the user's settings folder removed: only under Wine";
    }
    const std::wstring folder = testsupport::FreshTemporaryFolder(L"vorlane-e2e-two-copies");
    const std::wstring sound = folder + L"Wecker.wav";
    ASSERT_TRUE(testsupport::WriteBytes(sound, testsupport::WaveSound(1.0)));

    VorlaneProcess first(L"-t30");
    HWND firstWindow = RunningWindow(first);
    ASSERT_NE(firstWindow, nullptr);
    VorlaneProcess second(L"-t30", Settings::Kept);
    HWND secondWindow = RunningWindow(second);
    ASSERT_NE(secondWindow, nullptr);
    const RECT placed = WindowRect(secondWindow);

    // Both stand on the same place; the one on top there is moved away, uncovering the other.
    const POINT grab{placed.left + kOnBackground.x, placed.top + kOnBackground.y};
    const bool firstOnTop = WindowFromPoint(grab) == firstWindow;
    VorlaneProcess& moving = firstOnTop ? first : second;
    VorlaneProcess& choosing = firstOnTop ? second : first;
    HWND movingWindow = firstOnTop ? firstWindow : secondWindow;
    HWND choosingWindow = firstOnTop ? secondWindow : firstWindow;
    BringToForeground(movingWindow);
    DragPointer(grab, POINT{grab.x - 300, grab.y - 100});
    const RECT moved = WindowRect(movingWindow);
    ASSERT_EQ(moved.left, placed.left - 300);

    ClickAt(choosingWindow, kOnOpen);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            dialog = testsupport::FindFileDialog(choosing.Pid(), kDialogCaption);
            return dialog != nullptr;
        },
        milliseconds(5000)))
        << "the file dialog did not open";
    WaitUntil([&] { return !testsupport::ReadFileDialog(dialog).fileName.empty(); },
              milliseconds(2000));
    ASSERT_TRUE(testsupport::ConfirmFileDialog(dialog, sound));
    ASSERT_TRUE(
        WaitUntil([&] { return FieldText(choosingWindow, kIdSecondTextLine) == L" Wecker.wav"; },
                  milliseconds(5000)));

    choosing.End();
    ASSERT_TRUE(choosing.HasExited());
    const std::string chosen = "\xEF\xBB\xBF" + Narrow(sound) + "\r\n";
    EXPECT_EQ(BytesOf(UserSettingsFile()),
              chosen + std::to_string(placed.left) + "\r\n" + std::to_string(placed.top) + "\r\n");
    moving.End();
    ASSERT_TRUE(moving.HasExited());
    EXPECT_EQ(BytesOf(UserSettingsFile()),
              chosen + std::to_string(moved.left) + "\r\n" + std::to_string(moved.top) + "\r\n");
}

} // namespace
} // namespace vorlane::e2e
