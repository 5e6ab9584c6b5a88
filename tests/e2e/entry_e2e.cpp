// End-to-end tests of typed times, the target-time selection and the reminder on the real
// Vorlane.exe, with real clicks and keys.
#include "ProgramTest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

constexpr POINT kInMinutes{64, 57};
constexpr POINT kInSeconds{103, 57};
constexpr POINT kOnColon{85, 57};

class EntryTest : public ProgramTest {
protected:
    HWND Start(const std::wstring& args) {
        HWND main = ProgramTest::Start(args);
        if (main != nullptr) {
            // Start-up is over when the countdown runs.
            const std::string first = FieldUtf8(main, kIdTimeSeconds);
            WaitUntil([&] { return FieldUtf8(main, kIdTimeSeconds) != first; }, milliseconds(3000));
            BringToForeground(main);
        }
        return main;
    }
};

TEST_F(EntryTest, MinutesTypedIntoTheFieldCountFromEnter) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    ClickAt(main, kInMinutes);
    Sleep(200);
    TypeKeys({'7', 'X', VK_RETURN});
    EXPECT_TRUE(
        WaitUntil([&] { return FieldUtf8(main, kIdTimeMinutes) == "07"; }, milliseconds(1500)))
        << "shows " << FieldUtf8(main, kIdTimeMinutes);
    // Enter left the field: the focus is parked and the countdown runs on.
    EXPECT_EQ(GetDlgCtrlID(FocusedWindowOf(main)), kIdMediaPlayer);
    const std::string seconds = FieldUtf8(main, kIdTimeSeconds);
    EXPECT_TRUE(
        WaitUntil([&] { return FieldUtf8(main, kIdTimeSeconds) != seconds; }, milliseconds(2000)));
}

TEST_F(EntryTest, SecondsTypedAndThePointerFlickedOutOfTheWindowAreTaken) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    ClickAt(main, kInSeconds);
    Sleep(200);
    TypeKeys({'4', '5'});
    Sleep(300);
    const std::string minutes = FieldUtf8(main, kIdTimeMinutes);
    MovePointerTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
    // The field was left: the value is taken and the countdown runs on from it. (Under Xvfb
    // without a window manager the pointer leaving also takes the window's activation away,
    // so where the caret ends up is not the program's to decide here.)
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::string s = FieldUtf8(main, kIdTimeSeconds);
            return s == "44" || s == "43";
        },
        milliseconds(2500)))
        << "shows " << FieldUtf8(main, kIdTimeMinutes) << ":" << FieldUtf8(main, kIdTimeSeconds);
    EXPECT_EQ(FieldUtf8(main, kIdTimeMinutes), minutes);
}

TEST_F(EntryTest, TheColonOpensTheClockTimesAndATypedTimeSetsTheCountdown) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first selection" : "second selection");
        ClickAt(main, kOnColon);
        ASSERT_TRUE(
            WaitUntil([&] { return FieldShown(main, kIdEndTimeComboBox); }, milliseconds(1500)));
        EXPECT_FALSE(FieldShown(main, kIdTimeMinutes));
        if (round == 0) {
            Sleep(300);
            SaveScreenshot(main, "EntryTest.selection-open");
        }
        // Two hours from now, typed as four digits: the countdown ends a minute after it.
        SYSTEMTIME now{};
        GetLocalTime(&now);
        const int hour = (now.wHour + 2) % 24;
        TypeKeys({static_cast<WORD>('0' + hour / 10), static_cast<WORD>('0' + hour % 10),
                  static_cast<WORD>('0' + now.wMinute / 10),
                  static_cast<WORD>('0' + now.wMinute % 10), VK_RETURN});
        EXPECT_TRUE(WaitUntil(
            [&] {
                const std::string m = FieldUtf8(main, kIdTimeMinutes);
                return FieldShown(main, kIdTimeMinutes) && (m == "120" || m == "121");
            },
            milliseconds(1500)))
            << "shows " << FieldUtf8(main, kIdTimeMinutes) << ":"
            << FieldUtf8(main, kIdTimeSeconds);
        EXPECT_FALSE(FieldShown(main, kIdEndTimeComboBox));
        // The selection stays open until the user leaves it, also the second time.
        Sleep(500);
    }
}

// Minutes from now (whole minutes, seconds ignored) to the next `hour`:00.
int MinutesUntil(const SYSTEMTIME& now, int hour) {
    return ((hour * 60 - (now.wHour * 60 + now.wMinute)) % 1440 + 1440) % 1440;
}

TEST_F(EntryTest, ATimeTypedIntoTheOpenedListReplacesTheShownTime) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    // 7 o'clock, unless that is more than 961 minutes ahead now: then the first hour of one
    // digit that is not, so the time is accepted at any time of day.
    int hour = 7;
    for (int h = 0; MinutesUntil(now, hour) > 961 && h < 10; ++h) {
        hour = h;
    }
    ASSERT_LE(MinutesUntil(now, hour), 961);
    ClickAt(main, kOnColon);
    ASSERT_TRUE(
        WaitUntil([&] { return FieldShown(main, kIdEndTimeComboBox); }, milliseconds(1500)));
    Sleep(300);
    TypeKeys({static_cast<WORD>('0' + hour), VK_RETURN});
    // The countdown ends a minute after the chosen time: whole minutes shown are those until
    // it, or one more right at a full minute; one less where the clock turned a minute.
    const int expected = MinutesUntil(now, hour);
    EXPECT_TRUE(WaitUntil(
        [&] {
            if (!FieldShown(main, kIdTimeMinutes)) {
                return false;
            }
            const std::string shown = FieldUtf8(main, kIdTimeMinutes);
            char* end = nullptr;
            const long m = std::strtol(shown.c_str(), &end, 10);
            return end != shown.c_str() && *end == '\0' && m >= expected - 1 && m <= expected + 1;
        },
        milliseconds(1500)))
        << "typed " << hour << ", expected about " << expected << " minutes, shows "
        << FieldUtf8(main, kIdTimeMinutes) << ":" << FieldUtf8(main, kIdTimeSeconds);
    EXPECT_EQ(FieldUtf8(main, kIdEndTimeComboBox),
              std::string("0") + static_cast<char>('0' + hour) + ":00");
}

TEST_F(EntryTest, AReminderComesUpWithItsTextAndTheButton) {
    HWND main = Start(L"-t0 -sTea_is_ready");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(FieldShown(main, kIdTerminVerschieben));
    EXPECT_EQ(FieldUtf8(main, kIdTerminVerschieben), "Später erinnern?");
    EXPECT_TRUE(FieldShown(main, kIdFirstTextLine));
    EXPECT_EQ(FieldUtf8(main, kIdFirstTextLine), "Tea is ready");
    EXPECT_FALSE(FieldShown(main, kIdTimeMinutes));
    EXPECT_FALSE(FieldShown(main, kIdSecondTextLine));
    EXPECT_TRUE(IsTopmost(main));
    SaveScreenshot(main, "EntryTest.reminder");
}

} // namespace
} // namespace vorlane::e2e
