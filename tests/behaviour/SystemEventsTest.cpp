// What Windows does around the program while it runs: the session ends, monitors change, the
// clock is set, the computer sleeps.
#include "SettingsDisk.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

using headless::FileStep;
using headless::HeadlessHost;

const std::string kSettingsFile = kUserFolder + "Vorlane.ini";
const std::string kOldSound = "C:\\Musik\\Alt.mp3";
const std::string kNewSound = "C:\\Musik\\Neu.mp3";

void PrepareDisk(HeadlessHost& machine) {
    machine.files.AddFile(kSettingsFile, HandWrittenSettings(kOldSound, 300, 200));
    machine.files.AddFile(kOldSound, "");
    machine.files.AddFile(kNewSound, "");
}

// A run in which the user moved the window and chose another sound.
void MoveAndChooseASound(App& app) {
    app.Running();
    app.window().dragTo = {Point{640, 360}};
    Dispatch([&] { app.f().MouseDown(MouseButton::Left, 30, 110, ShiftState{true}); });
    app.host.fileDialog.answer = kNewSound;
    Dispatch([&] { app.f().sound().btnOpenMP3NormalClick(nullptr); });
    ASSERT_EQ(app.host.mediaPlayer.openFile, kNewSound);
}

void EndSession(App& app) {
    Dispatch([&] { app.f().SessionEnding(); });
}

TEST(SessionEnd, SavesWhatEscapeSavesClosesTheSoundAndEnds) {
    App closed({}, PrepareDisk);
    MoveAndChooseASound(closed);
    closed.Key(0x1B);
    const std::string writtenByEscape = BytesOf(closed.host.files, kSettingsFile);
    ASSERT_EQ(writtenByEscape, WrittenSettings(kNewSound, 640, 360));

    App ended({}, PrepareDisk);
    MoveAndChooseASound(ended);
    EndSession(ended);
    EXPECT_EQ(BytesOf(ended.host.files, kSettingsFile), writtenByEscape);
    EXPECT_EQ(ended.host.mediaPlayer.mode, MediaMode::NoDevice);
    EXPECT_TRUE(ended.application().terminated);
    EXPECT_TRUE(ended.host.messageBoxes.shown.empty());
}

// Windows gives no time for a box while the session ends: the program ends all the same.
TEST(SessionEnd, AFailedSaveIsSilentAndTheProgramStillEnds) {
    App app({}, PrepareDisk);
    MoveAndChooseASound(app);
    app.host.files.failing = {FileStep::Replace};
    EndSession(app);
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
    EXPECT_EQ(app.host.trace.traced.size(), 1u) << "left for a bug report instead";
    EXPECT_EQ(BytesOf(app.host.files, kSettingsFile), HandWrittenSettings(kOldSound, 300, 200));
    EXPECT_EQ(app.host.mediaPlayer.mode, MediaMode::NoDevice);
    EXPECT_TRUE(app.application().terminated);
}

// The window at 1600, 700 on a 1920 x 1080 screen, which then shrinks to 1024 x 768 (a
// laptop taken from its big monitor).
class ScreenShrinks : public ::testing::Test {
protected:
    void SetUp() override {
        app.Running();
        app.window().dragTo = {Point{1600, 700}};
        Dispatch([&] { app.f().MouseDown(MouseButton::Left, 30, 110, ShiftState{true}); });
        ASSERT_EQ(app.f().Left(), 1600);
        app.host.screen.width = 1024;
        app.host.screen.height = 768;
    }
    // Inside the work area that is left: 1024 x 728 above the taskbar.
    void ExpectInsideTheWorkArea() {
        EXPECT_EQ(app.f().Left(), 1024 - 171);
        EXPECT_EQ(app.f().Top(), 728 - 238);
        // The window itself, not only the model.
        EXPECT_TRUE(app.Logged("bounds 853,490,171,238"));
    }
    App app;
};

TEST_F(ScreenShrinks, TheDisplayChangeBringsTheWindowBack) {
    Dispatch([&] { app.f().DisplayChanged(); });
    ExpectInsideTheWorkArea();
}

// Where the system said nothing, the alarm and a click on the tray icon still come where
// they are seen.
TEST_F(ScreenShrinks, TheAlarmAndTheTrayIconBringTheWindowBack) {
    const struct {
        const char* what;
        std::function<void(App&)> act;
    } cases[] = {
        {"the alarm",
         [](App& a) {
             a.f().countdown().SetRemainingSeconds(1);
             a.Tick(1000);
             a.Tick();
             ASSERT_TRUE(a.f().countdown().AlarmActive());
         }},
        {"the tray icon",
         [](App& a) {
             a.Key(0x7B); // F12: to the tray
             Dispatch([&] { a.f().TrayIcon.Click(); });
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.act(app);
        ExpectInsideTheWorkArea();
    }
}

// The rescue is not the user's move: the place written at exit stays the chosen one, good
// again when the big monitor is back.
TEST_F(ScreenShrinks, TheChosenPlaceIsWhatTheExitWrites) {
    app.OpenSound(kNewSound);
    Dispatch([&] { app.f().DisplayChanged(); });
    ASSERT_EQ(app.f().Left(), 1024 - 171);
    app.Key(0x1B);
    EXPECT_EQ(BytesOf(app.host.files, kSettingsFile), WrittenSettings(kNewSound, 1600, 700));
}

TEST_F(ScreenShrinks, AWindowStillOnTheScreenStaysWhereItIs) {
    app.host.screen.width = 1700;
    app.host.screen.height = 1080;
    Dispatch([&] { app.f().DisplayChanged(); });
    EXPECT_EQ(app.f().Left(), 1600);
    EXPECT_EQ(app.f().Top(), 700);
}

constexpr std::int64_t kHourMs = 3'600'000;

// The wall clock alone is set: no time passes.
void SetClockBy(App& app, std::int64_t ms) {
    app.host.clock.AdvanceMs(static_cast<double>(ms));
}

// 14:00:00 now; the clock-time list confirmed with 15:00, which counts to the end of that
// minute.
void CountToThreeOClock(App& app) {
    app.Running();
    app.Click(app.f().btnSetTime.Normal);
    app.f().cmbEndTimeComboBox.SetText("15:00");
    app.Click(app.f().btnTimeSelectionOkay);
    app.Tick();
    ASSERT_EQ(app.Display(), "61:00");
}

TEST(ClockSet, ACountdownToAClockTimeFollowsTheClockAtTheNextTick) {
    const struct {
        const char* what;
        std::int64_t setBy;
        std::string display;
        bool alarm;
    } cases[] = {
        {"back an hour", -kHourMs, "120:58", false},
        {"forward half an hour", kHourMs / 2, "30:58", false},
        {"forward past the chosen time", 2 * kHourMs, "00:00", true},
        // Within a second the clocks count as agreeing: the monotonic count goes on.
        {"by a second", 1000, "60:59", false},
    };
    // 1.3 s after the choice the monotonic count shows 60:59.
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        App app;
        CountToThreeOClock(app);
        SetClockBy(app, c.setBy);
        app.Tick(1000);
        app.Tick(0);
        EXPECT_EQ(app.Display(), c.display);
        EXPECT_EQ(app.f().countdown().AlarmActive(), c.alarm);
    }
}

TEST(ClockSet, TheClockChangeShowsTheNewTimeAtOnce) {
    App app;
    CountToThreeOClock(app);
    SetClockBy(app, -kHourMs);
    Dispatch([&] { app.f().ClockChanged(); });
    EXPECT_EQ(app.Display(), "120:59");
    // And counts on from there on the monotonic clock.
    app.Tick(2000);
    EXPECT_EQ(app.Display(), "120:57");
}

// Minutes from the buttons, presets, typing or the command line are a duration: setting the
// clock does not change them.
TEST(ClockSet, ADurationKeepsCountingOnTheMonotonicClock) {
    App app({"-t60"});
    app.Running();
    SetClockBy(app, -kHourMs);
    Dispatch([&] { app.f().ClockChanged(); });
    app.Tick(1000);
    EXPECT_EQ(app.Display(), "59:59");

    // A clock time changed by a button afterwards is a duration too.
    App changed;
    CountToThreeOClock(changed);
    changed.Click(changed.f().btnPlusOne.Normal);
    SetClockBy(changed, -kHourMs);
    changed.Tick(1000);
    EXPECT_EQ(changed.Display(), "61:59");
}

TEST(Wake, AfterSleepTheTimeShowsAtOnceAndAPassedZeroRings) {
    App app({"-t1"});
    app.Running();
    // Asleep for an hour: no tick came.
    app.TimePasses(kHourMs);
    EXPECT_EQ(app.Display(), "01:00");
    Dispatch([&] { app.f().Resumed(); });
    EXPECT_EQ(app.Display(), "00:00");
    EXPECT_TRUE(app.f().countdown().AlarmActive());
    EXPECT_TRUE(app.window().topmost);
    EXPECT_EQ(app.window().alerts.size(), 1u);
}

// While a time is typed the ticks wait; waking changes nothing the user is typing.
TEST(Wake, WhileATimeIsTypedTheFieldIsLeftAlone) {
    App app({"-t30"});
    app.Running();
    Dispatch([&] { app.f().FocusControl(app.f().edtTimeMinutes); });
    Dispatch([&] { app.f().edtTimeMinutes.TextTyped("7"); });
    app.TimePasses(kHourMs);
    Dispatch([&] { app.f().Resumed(); });
    EXPECT_EQ(app.f().edtTimeMinutes.Text(), "7");
}

} // namespace
} // namespace vorlane::testing
