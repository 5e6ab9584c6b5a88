#include "AppFixture.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

TEST(QuickButtons, PlusAndMinusRespectTheirLimits) {
    App app;
    app.Running();
    auto& f = app.f();
    const struct {
        ImageButton& button;
        std::int32_t before;
        std::int32_t after;
        const char* display;
    } cases[] = {
        {f.btnPlusOne, 59939, 59999, "999:59"},  {f.btnPlusOne, 59940, 59940, "999:00"},
        {f.btnPlusFive, 59699, 59999, "999:59"}, {f.btnPlusFive, 59700, 59700, "995:00"},
        {f.btnPlusOne, 59700, 59760, "996:00"},  {f.btnMinusOne, 45, 0, "00:00"},
        {f.btnMinusOne, 60, 0, "00:00"},         {f.btnMinusOne, 61, 1, "00:01"},
        {f.btnMinusFive, 300, 0, "00:00"},       {f.btnMinusFive, 301, 1, "00:01"},
        {f.btnMinusFive, 605, 305, "05:05"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button.Normal.Name() + " at " + std::to_string(c.before));
        app.f().countdown().SetRemainingSeconds(c.before);
        app.f().display().ShowRemainingTime();
        app.Click(c.button.Normal);
        EXPECT_EQ(app.f().countdown().RemainingSeconds(), c.after);
        EXPECT_EQ(app.Display(), c.display);
        EXPECT_EQ(f.TrayIcon.Hint(), c.display);
    }
}

TEST(QuickButtons, AllThreeLooksOfAButtonRunItsClick) {
    App app;
    app.Running();
    auto& f = app.f();
    f.btnPlusOne.Hover.Show();
    app.Click(f.btnPlusOne.Hover);
    f.btnPlusOne.Active.Show();
    app.Click(f.btnPlusOne.Active);
    EXPECT_EQ(app.Display(), "14:00");
}

TEST(QuickButtons, ReleaseOutsideThePressedPictureRunsNoClick) {
    App app;
    app.Running();
    auto& f = app.f();
    Dispatch([&] { f.MouseDown(MouseButton::Left, 130, 200, ShiftState{true, false, false}); });
    Dispatch([&] { f.MouseUp(MouseButton::Left, 90, 90); });
    EXPECT_EQ(app.Display(), "12:00");
    // A right press is no click either.
    Dispatch([&] { f.MouseDown(MouseButton::Right, 130, 200, ShiftState{false, true, false}); });
    Dispatch([&] { f.MouseUp(MouseButton::Right, 130, 200); });
    EXPECT_EQ(app.Display(), "12:00");
}

TEST(QuickButtons, LockedWhileATargetTimeIsChosen) {
    App app;
    app.Running();
    app.Click(app.f().btnSetTime.Normal); // a clock time is being chosen
    for (ImageButton* button :
         {&app.f().btnPlusOne, &app.f().btnPlusFive, &app.f().btnMinusOne, &app.f().btnMinusFive}) {
        app.Click(button->Normal);
    }
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 720);
}

TEST(QuickButtons, MinusDuringTheAlarmChangesNothing) {
    App app({"-t0"});
    app.OpenSound();
    app.Running(); // the alarm plays the sound
    ASSERT_TRUE(app.f().sound().Playing());
    app.Click(app.f().btnMinusOne.Normal);
    EXPECT_EQ(app.Display(), "00:00");
    EXPECT_TRUE(app.f().sound().Playing());
    EXPECT_TRUE(app.window().topmost);
}

TEST(QuickButtons, PlusInTheReminderShowsTheTimeAndKeepsTheText) {
    App app({"-t0", "-sTea"});
    app.Running();
    auto& f = app.f();
    app.Click(f.btnPlusFive.Normal);
    EXPECT_EQ(app.Display(), "05:00");
    EXPECT_TRUE(f.edtTimeMinutes.Visible());
    EXPECT_TRUE(f.edtTimeColon.Visible());
    EXPECT_TRUE(f.edtTimeSeconds.Visible());
    EXPECT_FALSE(f.btnTerminVerschieben.Visible());
    EXPECT_TRUE(f.edtFirstTextLine.Visible());
    EXPECT_FALSE(f.edtSecondTextLine.Visible());
}

TEST(Presets, SetTheTimeAndStopTheAlarmSoundButKeepTheWindowOnTop) {
    App app({"-t0"});
    app.OpenSound();
    app.Running(); // the alarm plays the sound
    ASSERT_TRUE(app.f().sound().Playing());
    const struct {
        const char* name;
        int minutes;
    } presets[] = {{"mnu5", 5},   {"mnu8", 8},   {"mnu12", 12}, {"mnu15", 15},
                   {"mnu20", 20}, {"mnu30", 30}, {"mnu60", 60}};
    const auto& items = app.f().mnuSet->Items();
    ASSERT_GE(items.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(items[i]->Name(), presets[i].name);
        EXPECT_EQ(items[i]->Tag, presets[i].minutes);
    }
    Dispatch([&] { items[3]->Click(); }); // 15 minutes
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 900);
    EXPECT_FALSE(app.f().sound().Playing());
    EXPECT_EQ(app.host.mediaPlayer.mode, MediaMode::Stopped);
    EXPECT_EQ(app.Display(), "00:00"); // shown by the next tick
    EXPECT_TRUE(app.window().topmost);
    app.Tick(300);
    EXPECT_EQ(app.Display(), "15:00");
    EXPECT_FALSE(app.f().countdown().AlarmActive());
    EXPECT_TRUE(app.window().topmost);
}

TEST(Keys, EscapeWhileChoosingATargetTimeConfirmsInsteadOfClosing) {
    App app;
    app.Running();
    app.Click(app.f().btnSetTime.Normal); // a clock time is being chosen
    app.application().pendingChars = 1;
    EXPECT_FALSE(app.Key(0x1B)); // consumed
    EXPECT_EQ(app.application().pendingChars, 0);
    EXPECT_FALSE(app.window().closed);
}

TEST(Keys, FunctionKeysPassOnAndOtherKeysAreLeftAlone) {
    App app;
    app.Running();
    EXPECT_TRUE(app.Key(0x70)); // F1
    EXPECT_FALSE(app.application().minimized);
    EXPECT_TRUE(app.Key(0x41)); // A
    EXPECT_FALSE(app.application().minimized);
    EXPECT_FALSE(app.window().closed);
    EXPECT_TRUE(app.Key(0x7B)); // F12
    EXPECT_TRUE(app.application().minimized);
    EXPECT_EQ(app.f().Focused(), &app.f().mplMediaPlayer);
}

TEST(Tray, ClickBringsTheWindowBackFromTheTray) {
    App app;
    app.Running();
    app.Key(0x7B);
    ASSERT_FALSE(app.window().visible);
    Dispatch([&] { app.f().TrayIcon.OnClick(&app.f().TrayIcon); });
    EXPECT_TRUE(app.window().visible);
    EXPECT_FALSE(app.application().minimized);
    EXPECT_TRUE(app.Logged("foreground"));
}

} // namespace
} // namespace vorlane::testing
