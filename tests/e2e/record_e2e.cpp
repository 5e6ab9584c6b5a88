// End-to-end tests of a countdown that outlives its process: killed, or ended with the user's
// session, the program comes back at its next start with the same time left; ended by Escape,
// the next start is a plain one.
#include "driver.h"

#include "app/ControlIds.h"
#include "tests/support/WineHost.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

namespace vorlane::e2e {
namespace {

constexpr milliseconds kStartTimeout(10000);
constexpr milliseconds kEndTimeout(5000);

// How the first process ends after a countdown of 30 minutes had five added.
struct Ending {
    const char* name;
    enum class How { Kill, EndSession, Escape } how;
    bool comesBack;
};

const Ending kEndings[] = {
    {"TerminateProcess", Ending::How::Kill, true},
    {"TheSessionEnds", Ending::How::EndSession, true},
    {"Escape", Ending::How::Escape, false},
};

void PrintTo(const Ending& ending, std::ostream* out) {
    *out << ending.name;
}

// The time the display shows, in seconds; none while it shows no number.
std::optional<int> ShownSeconds(HWND main) {
    const std::optional<std::wstring> minutes = FieldText(main, kIdTimeMinutes);
    const std::optional<std::wstring> seconds = FieldText(main, kIdTimeSeconds);
    if (!minutes || !seconds || minutes->empty() || seconds->empty()) {
        return std::nullopt;
    }
    try {
        return std::stoi(*minutes) * 60 + std::stoi(*seconds);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// As the system ends a session: every top-level window asked, then told.
void EndTheSession(DWORD pid) {
    const std::vector<HWND> windows = TopLevelWindowsOf(pid);
    ASSERT_FALSE(windows.empty());
    for (HWND window : windows) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                            5000, &answer);
    }
    for (HWND window : windows) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                            &ignored);
    }
}

void Kill(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    ASSERT_NE(process, nullptr);
    EXPECT_TRUE(TerminateProcess(process, 9));
    EXPECT_EQ(WaitForSingleObject(process, 5000), WAIT_OBJECT_0);
    CloseHandle(process);
}

class RecordTest : public ::testing::TestWithParam<Ending> {
protected:
    void SetUp() override {
        if (!testsupport::RunningUnderWine()) {
            GTEST_SKIP() << "the settings folder is removed first: only under Wine";
        }
    }
};

TEST_P(RecordTest, TheNextStartGoesOnWithTheSameTimeUnlessTheUserEndedIt) {
    const Ending& ending = GetParam();
    using Clock = std::chrono::steady_clock;
    Clock::time_point readAt;
    int left = 0;
    {
        VorlaneProcess first(L"-t30");
        ASSERT_TRUE(first.Started()) << Narrow(first.StartError());
        HWND main = first.WaitForMainWindow(kStartTimeout);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ShownSeconds(main).value_or(30 * 60) < 30 * 60; },
                              milliseconds(3000)))
            << "not counting";
        PressKey(main, VK_PRIOR); // five minutes more
        ASSERT_TRUE(WaitUntil([&] { return ShownSeconds(main).value_or(0) > 34 * 60; },
                              milliseconds(2000)));
        // Past the start-up's first second, and a moment for the record to be written.
        std::this_thread::sleep_for(milliseconds(1500));
        left = ShownSeconds(main).value_or(-1);
        readAt = Clock::now();
        switch (ending.how) {
        case Ending::How::Kill:
            ASSERT_NO_FATAL_FAILURE(Kill(first.Pid()));
            break;
        case Ending::How::EndSession:
            ASSERT_NO_FATAL_FAILURE(EndTheSession(first.Pid()));
            break;
        case Ending::How::Escape:
            PressKey(main, VK_ESCAPE);
            break;
        }
        ASSERT_TRUE(first.WaitForExit(kEndTimeout));
    }
    VorlaneProcess next(L"", Settings::Kept);
    ASSERT_TRUE(next.Started()) << Narrow(next.StartError());
    HWND main = next.WaitForMainWindow(kStartTimeout);
    ASSERT_NE(main, nullptr);
    // Past the start-up, when the countdown runs.
    std::this_thread::sleep_for(milliseconds(1500));
    const std::optional<int> shown = ShownSeconds(main);
    const auto passed =
        std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - readAt).count();
    ASSERT_TRUE(shown);
    SaveScreenshot(main, "record-" + std::string(ending.name));
    if (ending.comesBack) {
        EXPECT_LE(std::abs(*shown - (left - static_cast<int>(passed))), 2)
            << "showed " << left << " s, " << passed << " s later " << *shown << " s";
    } else {
        // A plain start counts from its twelve minutes.
        EXPECT_GT(*shown, 11 * 60 + 50);
        EXPECT_LE(*shown, 12 * 60);
    }
}

INSTANTIATE_TEST_SUITE_P(Endings, RecordTest, ::testing::ValuesIn(kEndings),
                         [](const auto& ending) { return std::string(ending.param.name); });

} // namespace
} // namespace vorlane::e2e
