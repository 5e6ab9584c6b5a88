#include "AppFixture.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

constexpr Color kSlateBlue{96, 115, 137};

TEST(Countdown, PunctualTicksReachZeroThenRaiseTheAlarmOneTickLater) {
    App app({"-t1"});
    app.Running();
    app.f().countdown().SetRemainingSeconds(3);
    int ticks = 0;
    while (app.Display() != "00:00" && ticks < 20) {
        app.Tick(300);
        ++ticks;
    }
    EXPECT_EQ(ticks, 9); // 2.7 s rounds to the third second
    EXPECT_FALSE(app.window().topmost);
    EXPECT_FALSE(app.f().countdown().AlarmActive());
    app.Tick(300);
    EXPECT_TRUE(app.window().topmost);
    EXPECT_TRUE(app.f().countdown().AlarmActive());
}

TEST(Countdown, ALateTickSubtractsExactlyTheSecondsSinceTheTimeBase) {
    App app;
    app.Running();
    app.Tick(2600);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 720 - 3); // 2.6 s rounds to 3 in total
    app.Tick(2600);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 720 - 5); // 5.2 s in total: this tick took 2
    app.Tick(300);
    app.Tick(300);
    app.Tick(300);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 720 - 6); // 6.1 s
}

TEST(Countdown, OverrunBelowZeroShowsZeroAndAlarmsAtTheNextTick) {
    App app;
    app.Running();
    app.f().countdown().SetRemainingSeconds(1);
    app.Tick(2000);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 0); // -1 set to 0 by the display
    EXPECT_EQ(app.Display(), "00:00");
    EXPECT_FALSE(app.f().countdown().AlarmActive());
    app.Tick(300);
    EXPECT_TRUE(app.f().countdown().AlarmActive());
}

TEST(Countdown, SleepCountsButSettingTheWallClockDoesNot) {
    {
        App app({"-t5"});
        app.Running();
        app.Tick(10 * 60 * 1000); // ten minutes asleep
        EXPECT_EQ(app.Display(), "00:00");
        EXPECT_FALSE(app.f().countdown().AlarmActive());
        app.Tick(300);
        EXPECT_TRUE(app.f().countdown().AlarmActive());
    }
    {
        App app({"-t20"});
        app.Running();
        const struct {
            const char* what;
            double setByMs;
        } changes[] = {
            {"clock set back an hour", -3600 * 1000.0},
            {"and forward again", 3600 * 1000.0},
            {"daylight saving: forward an hour", 3600 * 1000.0},
        };
        std::int32_t expected = 1200;
        for (const auto& change : changes) {
            SCOPED_TRACE(change.what);
            app.host.clock.AdvanceMs(change.setByMs);
            app.Tick(1000);
            --expected; // only the second that passed
            EXPECT_EQ(app.f().countdown().RemainingSeconds(), expected);
        }
    }
}

TEST(Countdown, AlarmBlinksTwoTicksNormalThenTwoTicksAlarm) {
    App app({"-t0"});
    app.Running();
    auto& f = app.f();
    const bool alarmLook[] = {false, true, true, false, false, true, true, false};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        // The first tick (taken by Running) showed the normal look; these follow it.
        app.Tick(300);
        const Color background = alarmLook[i] ? kSlateBlue : kWhite;
        const Color text = alarmLook[i] ? kWhite : kBlack;
        for (TControl* field : {&f.edtFirstTextLine, &f.edtSecondTextLine, &f.edtTimeMinutes,
                                &f.edtTimeColon, &f.edtTimeSeconds}) {
            EXPECT_EQ(field->BackgroundColor(), background) << field->Name();
            EXPECT_EQ(field->FontColor(), text) << field->Name();
        }
        EXPECT_EQ(f.imgBackgroundBlink.Visible(), alarmLook[i]);
    }
}

TEST(Countdown, EveryAlarmTickBringsTheWindowBack) {
    App app({"-t0"});
    app.Running();
    EXPECT_TRUE(app.Key(0x7B)); // F12 hides to the tray, the key passes on
    EXPECT_TRUE(app.application().minimized);
    EXPECT_FALSE(app.window().visible);
    app.window().SetTopmost(false);
    app.host.log.calls.clear();
    app.Tick(300);
    EXPECT_FALSE(app.application().minimized);
    EXPECT_TRUE(app.window().visible);
    EXPECT_TRUE(app.window().topmost);
    // The restore raises the application's restore event, which hides the owner window too.
    EXPECT_EQ(app.host.log.calls, (std::vector<std::string>{"topmost", "restore", "hide owner",
                                                            "hide owner", "normal"}));
}

TEST(Countdown, PlusOneEndsTheAlarmAndTheNextTickCountsAgain) {
    App app({"-t0"});
    app.OpenSound();
    app.Running(); // the alarm begins and plays the sound
    app.Tick(300);
    app.Tick(300); // now in the alarm look
    ASSERT_TRUE(app.f().sound().Playing());
    app.Click(app.f().btnPlusOne.Normal);
    EXPECT_EQ(app.Display(), "01:00");
    EXPECT_FALSE(app.window().topmost);
    EXPECT_FALSE(app.f().sound().Playing()); // the sound is stopped
    EXPECT_EQ(app.host.mediaPlayer.mode, MediaMode::Stopped);
    EXPECT_TRUE(app.f().imgBackgroundBlink.Visible());
    app.Tick(300);
    EXPECT_FALSE(app.f().countdown().AlarmActive());
    EXPECT_FALSE(app.f().imgBackgroundBlink.Visible());
    EXPECT_EQ(app.f().edtTimeMinutes.BackgroundColor(), kWhite);
    // The next alarm blinks from the start of its cycle again: normal twice, then the alarm.
    while (!app.f().countdown().AlarmActive()) {
        app.Tick(1000);
    }
    std::vector<bool> looks;
    for (int i = 0; i < 4; ++i) {
        app.Tick(300);
        looks.push_back(app.f().imgBackgroundBlink.Visible());
    }
    EXPECT_EQ(looks, (std::vector<bool>{false, true, true, false}));
}

} // namespace
} // namespace vorlane::testing
