// End-to-end tests of the real Vorlane.exe: started with arguments, driven with real input,
// observed from this separate process.
#include "ProgramTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

using std::chrono::duration_cast;

std::string FieldOrMissing(HWND main, int id) {
    auto text = FieldText(main, id);
    return text ? Narrow(*text) : std::string("<no field ") + std::to_string(id) + ">";
}

// Each test starts its own Vorlane.exe; the process ends with the test (VorlaneProcess).
class VorlaneTest : public ProgramTest {
protected:
    HWND Start(const std::wstring& args) {
        HWND main = ProgramTest::Start(args);
        foundAt_ = Clock::now();
        return main;
    }

    // Screenshot named after the running test, once the display has been painted (a window
    // found right after it was shown may not have drawn anything yet).
    void Screenshot(HWND main) {
        WaitUntil([&] { return DisplayLook(main) != Look::Unknown; }, milliseconds(2000));
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        SaveScreenshot(main, name);
    }

    Clock::time_point foundAt_; // when the driver first saw the main window visible
};

// --- The window ---------------------------------------------------------------------------

using WindowTest = VorlaneTest;

TEST_F(WindowTest, IsBorderlessEllipticToolWindowOwnedByHiddenApplicationWindow) {
    HWND main = Start(L"");
    ASSERT_NE(main, nullptr);
    Screenshot(main);

    EXPECT_EQ(Narrow(CaptionOf(main)), "Vorlane");

    RECT r{};
    ASSERT_TRUE(GetWindowRect(main, &r));
    EXPECT_EQ(r.right - r.left, 171);
    EXPECT_EQ(r.bottom - r.top, 238);

    const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU)) << std::hex << style;

    const LONG_PTR exStyle = GetWindowLongPtrW(main, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << std::hex << exStyle;
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW) << std::hex << exStyle;

    // The shape: an ellipse whose box reaches one pixel beyond the left and top edges; the
    // middle of every side is inside, the corners are not.
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(main, rgn), COMPLEXREGION);
    RECT box{};
    GetRgnBox(rgn, &box);
    EXPECT_EQ(box.left, -1);
    EXPECT_EQ(box.top, -1);
    EXPECT_EQ(box.right, 172);
    EXPECT_EQ(box.bottom, 239);
    for (POINT in : {POINT{85, 119}, POINT{1, 119}, POINT{169, 119}, POINT{85, 1}, POINT{85, 236}})
        EXPECT_TRUE(PtInRegion(rgn, in.x, in.y)) << in.x << "," << in.y;
    for (POINT out : {POINT{2, 2}, POINT{168, 2}, POINT{2, 235}, POINT{168, 235}})
        EXPECT_FALSE(PtInRegion(rgn, out.x, out.y)) << out.x << "," << out.y;
    DeleteObject(rgn);

    // The display is made of borderless edit fields; the reminder line shows only when a
    // reminder text is given (without one its window is not even made).
    for (int id : {kIdSecondTextLine, kIdTimeMinutes, kIdTimeColon, kIdTimeSeconds}) {
        HWND field = GetDlgItem(main, id);
        ASSERT_NE(field, nullptr) << "no child window with ID " << id;
        EXPECT_EQ(_wcsicmp(ClassNameOf(field).c_str(), L"Edit"), 0)
            << id << " is a " << Narrow(ClassNameOf(field));
        EXPECT_TRUE(IsWindowVisible(field)) << "field " << id;
    }
    HWND reminder = GetDlgItem(main, kIdFirstTextLine);
    EXPECT_TRUE(reminder == nullptr || !IsWindowVisible(reminder)) << "the reminder line shows";

    // No taskbar button: the window belongs to the program's hidden top-level window.
    HWND owner = GetWindow(main, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(Narrow(ClassNameOf(owner)), "TVorlaneApplication");
    EXPECT_FALSE(IsWindowVisible(owner));
}

// --- The countdown at start, by command line ------------------------------------------------

struct StartCase {
    const char* name;
    std::wstring args;
    const char* minutes;
    const char* seconds;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << "\"" << Narrow(c.args) << "\"";
}

class StartTimeTest : public VorlaneTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartTimeTest, DisplayShowsStartTime) {
    HWND main = Start(GetParam().args);
    ASSERT_NE(main, nullptr);
    // Read at once: the first second is subtracted only about a second after the window shows.
    const std::string minutes = FieldOrMissing(main, kIdTimeMinutes);
    const std::string seconds = FieldOrMissing(main, kIdTimeSeconds);
    Screenshot(main);
    EXPECT_EQ(minutes, GetParam().minutes);
    EXPECT_EQ(seconds, GetParam().seconds);
    EXPECT_EQ(FieldOrMissing(main, kIdTimeColon), ":");
}

// Valid -t values are 0 to 999 minutes; everything else (and the case-sensitive -T) leaves
// the default of twelve minutes.
INSTANTIATE_TEST_SUITE_P(CommandLine, StartTimeTest,
                         ::testing::Values(StartCase{"NoArguments", L"", "12", "00"},
                                           StartCase{"T999", L"-t999", "999", "00"},
                                           StartCase{"T5", L"-t5", "05", "00"},
                                           StartCase{"T1000", L"-t1000", "12", "00"},
                                           StartCase{"TMinus5", L"-t-5", "12", "00"},
                                           StartCase{"TAbc", L"-tabc", "12", "00"},
                                           StartCase{"TWithoutValue", L"-t", "12", "00"},
                                           StartCase{"UpperCaseT5", L"-T5", "12", "00"}),
                         [](const ::testing::TestParamInfo<StartCase>& p) {
                             return std::string(p.param.name);
                         });

// --- The alarm ------------------------------------------------------------------------------

// Looks of the display sampled over `span`, collapsed into runs of one look each.
struct LookRun {
    Look look;
    Clock::time_point from, to;
};

std::vector<LookRun> SampleLooks(HWND main, milliseconds span) {
    std::vector<LookRun> runs;
    const auto end = Clock::now() + span;
    while (Clock::now() < end) {
        const Look look = DisplayLook(main);
        const auto now = Clock::now();
        if (look != Look::Unknown) {
            if (runs.empty() || runs.back().look != look)
                runs.push_back({look, now, now});
            else
                runs.back().to = now;
        }
        Sleep(20);
    }
    return runs;
}

void SleepUntil(Clock::time_point t) {
    const auto now = Clock::now();
    if (t > now)
        Sleep(static_cast<DWORD>(duration_cast<milliseconds>(t - now).count()));
}

std::string Describe(const std::vector<LookRun>& runs) {
    std::string s;
    for (const LookRun& r : runs)
        s += std::string(ToString(r.look)) + " " +
             std::to_string(duration_cast<milliseconds>(r.to - r.from).count()) + " ms; ";
    return s;
}

using AlarmTest = VorlaneTest;

TEST_F(AlarmTest, ZeroMinutesRaisesTopmostBlinkingAlarm) {
    HWND main = Start(L"-t0");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(FieldOrMissing(main, kIdTimeMinutes), "00");
    EXPECT_EQ(FieldOrMissing(main, kIdTimeSeconds), "00");

    // The first tick, a few hundred milliseconds after the window shows, raises the alarm.
    // The window may also be on top while it starts up (start-up ends that), so the topmost
    // state is read when start-up is surely over, one second after the window showed.
    SleepUntil(foundAt_ + milliseconds(1000));
    EXPECT_TRUE(IsTopmost(main)) << "not topmost one second after the window showed";

    // The display blinks: two ticks (600 ms) normal, two ticks alarm colours, and so on.
    const std::vector<LookRun> runs = SampleLooks(main, milliseconds(3000));
    WaitUntil([&] { return DisplayLook(main) == Look::Alarm; }, milliseconds(1500));
    Screenshot(main);
    ASSERT_GE(runs.size(), 4u) << "too few changes of look in 3 s: " << Describe(runs);
    EXPECT_TRUE(std::any_of(runs.begin(), runs.end(),
                            [](const LookRun& r) { return r.look == Look::Alarm; }));
    // Runs other than the first and the last are whole phases; the time from the start of one
    // to the start of the next is one phase.
    std::vector<long long> phases;
    for (size_t i = 1; i + 1 < runs.size(); ++i)
        phases.push_back(duration_cast<milliseconds>(runs[i + 1].from - runs[i].from).count());
    std::sort(phases.begin(), phases.end());
    const long long median = phases[phases.size() / 2];
    RecordProperty("blink_phase_median_ms", static_cast<int>(median));
    EXPECT_GE(median, 450) << Describe(runs);
    EXPECT_LE(median, 800) << Describe(runs);
    EXPECT_TRUE(IsTopmost(main)) << "the alarm keeps the window topmost";
}

TEST_F(AlarmTest, PlusOneGivesOneMinuteAndReleasesTopmost) {
    HWND main = Start(L"-t0");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return DisplayLook(main) == Look::Alarm; }, milliseconds(2500)))
        << "the display never showed the alarm colours";
    ASSERT_TRUE(IsTopmost(main)) << "not topmost in the alarm";

    // Middle of the +1 picture (left 107, top 179, 50 x 53).
    ClickAt(main, POINT{132, 205});
    std::string minutes, seconds;
    const bool shown = WaitUntil(
        [&] {
            minutes = FieldOrMissing(main, kIdTimeMinutes);
            seconds = FieldOrMissing(main, kIdTimeSeconds);
            return minutes == "01" && seconds == "00";
        },
        milliseconds(1000), milliseconds(5));
    EXPECT_TRUE(shown) << "display after +1: " << minutes << ":" << seconds;
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(main); }, milliseconds(1000)))
        << "still topmost after +1";

    // The next tick counts again and brings back the normal look, which then stays.
    EXPECT_TRUE(WaitUntil([&] { return DisplayLook(main) == Look::Normal; }, milliseconds(1000)));
    const std::vector<LookRun> after = SampleLooks(main, milliseconds(1500));
    Screenshot(main);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.size(), 1u) << Describe(after);
    EXPECT_EQ(after.front().look, Look::Normal) << Describe(after);
    EXPECT_EQ(FieldOrMissing(main, kIdTimeMinutes), "00") << "one minute counts down from 01:00";
}

// Without the alarm the window is neither topmost nor blinking once start-up is over.
TEST_F(AlarmTest, CountingWindowIsNotTopmostAndDoesNotBlink) {
    HWND main = Start(L"-t5");
    ASSERT_NE(main, nullptr);
    SleepUntil(foundAt_ + milliseconds(1000));
    EXPECT_FALSE(IsTopmost(main));
    const std::vector<LookRun> runs = SampleLooks(main, milliseconds(1500));
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs.size(), 1u) << Describe(runs);
    EXPECT_EQ(runs.front().look, Look::Normal) << Describe(runs);
    EXPECT_EQ(FieldOrMissing(main, kIdTimeMinutes), "04") << "counting down from 05:00";
}

// --- Keys -----------------------------------------------------------------------------------

using KeyTest = VorlaneTest;

TEST_F(KeyTest, EscapeEndsTheProgram) {
    HWND main = Start(L"");
    ASSERT_NE(main, nullptr);
    Screenshot(main);
    PressKey(main, VK_ESCAPE);
    EXPECT_TRUE(app_->WaitForExit(milliseconds(5000))) << "still running 5 s after Escape";
    EXPECT_FALSE(IsWindow(main));
}

} // namespace
} // namespace vorlane::e2e
