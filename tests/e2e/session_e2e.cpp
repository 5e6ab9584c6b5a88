// End-to-end tests of the end of the user's session on the real Vorlane.exe. The system first
// asks every top-level window of the program whether the session may end, then tells each that
// it ends: at a log-off or shut-down, or when an installer closes the program to replace its
// file. The program must let the session end, keep what Escape keeps, show nothing and be gone.
#include "driver.h"

#include "app/ControlIds.h"
#include "tests/support/FileDialogDriver.h"
#include "tests/support/SoundFiles.h"
#include "tests/support/WineHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace vorlane::e2e {
namespace {

constexpr milliseconds kStartTimeout(10000);
// How long the program may take to be gone after the end was asked for.
constexpr milliseconds kEndTimeout(5000);
// The background left of the display: no button, field or other picture lies there.
constexpr POINT kOnBackground{30, 110};
constexpr POINT kOnOpen{85, 134};
constexpr wchar_t kDialogCaption[] = L"Musikdatei auswählen";

// How the program is ended after the same steps: by the user's Escape, or by the system.
struct Ending {
    const char* name;
    // The end of the session's lParam; none for Escape.
    std::optional<LPARAM> sessionEnd;
};

const Ending kEndings[] = {
    {"Escape", std::nullopt},
    {"LogOff", ENDSESSION_LOGOFF},
    {"AnInstallerClosesTheProgram", ENDSESSION_CLOSEAPP},
};

void PrintTo(const Ending& ending, std::ostream* out) {
    *out << ending.name;
}

std::string BytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

class SessionEndTest : public ::testing::TestWithParam<Ending> {
protected:
    void SetUp() override {
        if (!testsupport::RunningUnderWine()) {
            GTEST_SKIP() << "a first start needs the user's settings folder removed: only under "
                            "Wine";
        }
        const std::wstring folder = testsupport::FreshTemporaryFolder(L"vorlane-e2e-session");
        sound_ = folder + L"Wecker.wav";
        ASSERT_TRUE(testsupport::WriteBytes(sound_, testsupport::WaveSound(1.0)));
    }

    // As the system does it: every window is asked first, then every window is told. Each
    // must answer the question with yes.
    static void EndTheSession(DWORD pid, LPARAM how) {
        const std::vector<HWND> windows = TopLevelWindowsOf(pid);
        ASSERT_FALSE(windows.empty());
        for (HWND window : windows) {
            DWORD_PTR answer = 0;
            EXPECT_NE(SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, how, SMTO_ABORTIFHUNG,
                                          5000, &answer),
                      0)
                << "no answer from a " << Narrow(ClassNameOf(window)) << " window";
            EXPECT_NE(answer, 0U) << "a " << Narrow(ClassNameOf(window))
                                  << " window holds up the end of the session";
        }
        for (HWND window : windows) {
            DWORD_PTR ignored = 0;
            // A window already gone with the program does not answer.
            SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, how, SMTO_ABORTIFHUNG, 5000, &ignored);
        }
    }

    std::wstring sound_;
};

TEST_P(SessionEndTest, TheMovedPlaceAndTheChosenSoundAreKeptAndTheProgramIsGoneWithoutABox) {
    const Ending& ending = GetParam();
    VorlaneProcess app(L"-t30");
    ASSERT_TRUE(app.Started()) << Narrow(app.StartError());
    HWND main = app.WaitForMainWindow(kStartTimeout);
    ASSERT_NE(main, nullptr);
    WaitUntil([&] { return FieldText(main, kIdTimeMinutes) != L"30"; }, milliseconds(3000));

    const RECT placed = WindowRect(main);
    BringToForeground(main);
    const POINT grab{placed.left + kOnBackground.x, placed.top + kOnBackground.y};
    DragPointer(grab, POINT{grab.x - 300, grab.y - 100});
    const RECT moved = WindowRect(main);
    ASSERT_EQ(moved.left, placed.left - 300);
    ASSERT_EQ(moved.top, placed.top - 100);

    ClickAt(main, kOnOpen);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            dialog = testsupport::FindFileDialog(app.Pid(), kDialogCaption);
            return dialog != nullptr;
        },
        milliseconds(5000)))
        << "the file dialog did not open";
    WaitUntil([&] { return !testsupport::ReadFileDialog(dialog).fileName.empty(); },
              milliseconds(2000));
    ASSERT_TRUE(testsupport::ConfirmFileDialog(dialog, sound_));
    ASSERT_TRUE(WaitUntil([&] { return FieldText(main, kIdSecondTextLine) == L" Wecker.wav"; },
                          milliseconds(5000)));

    const std::filesystem::path file = UserSettingsFile();
    const std::string kept = "\xEF\xBB\xBF" + Narrow(sound_) + "\r\n" + std::to_string(moved.left) +
                             "\r\n" + std::to_string(moved.top) + "\r\n";
    ASSERT_NE(BytesOf(file), kept) << "written before the end";

    if (ending.sessionEnd) {
        ASSERT_NO_FATAL_FAILURE(EndTheSession(app.Pid(), *ending.sessionEnd));
    } else {
        PressKey(main, VK_ESCAPE);
    }
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = FindVisibleWindowOf(app.Pid(), L"#32770");
            return box != nullptr || app.HasExited();
        },
        kEndTimeout);
    EXPECT_EQ(box, nullptr) << "a box came up: " << BoxText(box);
    EXPECT_TRUE(app.WaitForExit(kEndTimeout))
        << "the program still runs " << kEndTimeout.count() << " ms after the end";
    EXPECT_EQ(BytesOf(file), kept);
}

INSTANTIATE_TEST_SUITE_P(Endings, SessionEndTest, ::testing::ValuesIn(kEndings),
                         [](const auto& ending) { return std::string(ending.param.name); });

} // namespace
} // namespace vorlane::e2e
