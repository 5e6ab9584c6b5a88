// The alarm sound through a player that opens the sound device only while the sound plays or
// is paused: what the device is asked, and that the user sees what they see with a device that
// stays open.
#include "AppFixture.h"
#include "SettingsDisk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vorlane::testing {
namespace {

using Calls = std::vector<std::string>;

const std::string kAlarm = "C:\\Musik\\Wecker.mp3";

class SoundOnDemand : public ::testing::Test {
protected:
    // A machine whose settings name the alarm sound, started and running.
    explicit SoundOnDemand(bool startRunning = true)
        : app({}, [](headless::HeadlessHost& machine) {
              machine.soundOnDemand = true;
              machine.files.AddFile(kUserFolder + "Vorlane.ini",
                                    HandWrittenSettings(kAlarm, 300, 200));
              machine.files.AddFile(kAlarm, "");
          }) {
        if (startRunning) {
            app.Running();
        }
    }

    TFormVorlane& f() { return app.f(); }
    headless::RecordingMediaPlayer& device() { return app.host.mediaPlayer; }
    Calls NewCalls() {
        Calls calls(device().calls.begin() + static_cast<long>(seen_), device().calls.end());
        seen_ = device().calls.size();
        return calls;
    }
    void Press(ImageButton& button) { app.Click(button.Normal); }
    // From the 12:00 of a start to 1:00, with -5, -5 and -1.
    void OneMinuteLeft() {
        for (ImageButton* button : {&f().btnMinusFive, &f().btnMinusFive, &f().btnMinusOne}) {
            Press(*button);
        }
    }
    void ReachZero() {
        while (app.f().countdown().RemainingSeconds() > 0) {
            Press(f().btnMinusFive);
        }
        app.Tick();
        ASSERT_TRUE(app.f().countdown().AlarmActive());
    }

    App app;

private:
    std::size_t seen_ = 0;
};

class SoundOnDemandAtStart : public SoundOnDemand {
protected:
    SoundOnDemandAtStart() : SoundOnDemand(false) {}
};

// The sound named in the settings is opened once the window shows, to tell a file the device
// cannot play at start, and closed again at once.
TEST_F(SoundOnDemandAtStart, TheSoundIsCheckedAfterTheWindowShowsAndNotKeptOpen) {
    EXPECT_TRUE(device().calls.empty()) << "nothing opened before the window is drawn";
    EXPECT_EQ(f().edtSecondTextLine.Text(), " Wecker.mp3");
    app.Running();
    EXPECT_EQ(NewCalls(), (Calls{"open " + kAlarm, "close"}));
    EXPECT_EQ(device().mode, MediaMode::NoDevice);
    EXPECT_TRUE(app.f().sound().Loaded());
    EXPECT_TRUE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
}

// Every state a user brings the sound into, with the device open exactly while it sounds or
// waits paused.
TEST_F(SoundOnDemand, TheDeviceIsOpenOnlyWhileTheSoundPlaysOrIsPaused) {
    const struct {
        const char* event;
        std::function<void()> act;
        Calls calls;
        MediaMode device;
        bool playLook;
        bool pauseLook;
    } steps[] = {
        {"play",
         [&] { Press(f().btnPlay); },
         {"open " + kAlarm, "play"},
         MediaMode::Playing,
         true,
         false},
        {"pause", [&] { Press(f().btnPause); }, {"pause"}, MediaMode::Paused, false, true},
        {"pause again plays on",
         [&] { Press(f().btnPause); },
         {"play"},
         MediaMode::Playing,
         true,
         false},
        {"stop", [&] { Press(f().btnStop); }, {"close"}, MediaMode::NoDevice, false, false},
        {"stop again", [&] { Press(f().btnStop); }, {}, MediaMode::NoDevice, false, false},
        {"pause while stopped", [&] { Press(f().btnPause); }, {}, MediaMode::NoDevice, false, true},
        {"play",
         [&] { Press(f().btnPlay); },
         {"open " + kAlarm, "play"},
         MediaMode::Playing,
         true,
         false},
        {"the end by itself",
         [&] { device().PlayToEnd(); },
         {"close"},
         MediaMode::NoDevice,
         false,
         false},
        {"play after the end",
         [&] { Press(f().btnPlay); },
         {"open " + kAlarm, "play"},
         MediaMode::Playing,
         true,
         false},
        {"switch unticked",
         [&] {
             app.application().choose = "mnuPlayMP3OrNot";
             Dispatch([&] { f().TrayIcon.ContextMenu(1800, 1050); });
         },
         {"close"},
         MediaMode::NoDevice,
         false,
         false},
    };
    NewCalls();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.event);
        step.act();
        EXPECT_EQ(NewCalls(), step.calls);
        EXPECT_EQ(device().mode, step.device);
        EXPECT_EQ(f().btnPlay.Active.Visible(), step.playLook);
        EXPECT_EQ(f().btnPause.Active.Visible(), step.pauseLook);
    }
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
}

TEST_F(SoundOnDemand, TheAlarmOpensTheSoundPlaysItAndLetsGoOfItAtItsEnd) {
    NewCalls();
    ReachZero();
    EXPECT_EQ(NewCalls(), (Calls{"open " + kAlarm, "play"}));
    EXPECT_TRUE(app.f().sound().Playing());
    EXPECT_TRUE(f().btnPlay.Active.Visible());
    device().PlayToEnd();
    EXPECT_EQ(NewCalls(), Calls{"close"});
    EXPECT_FALSE(app.f().sound().Playing());
    app.Tick();
    EXPECT_TRUE(NewCalls().empty()) << "played once, not at every alarm tick";
}

// The last seconds before zero, a tick a second, with what the device is asked at each.
TEST_F(SoundOnDemand, TheSoundIsOpenedAFewSecondsAheadSoTheAlarmPlaysItAtOnce) {
    OneMinuteLeft();
    ASSERT_EQ(app.f().countdown().RemainingSeconds(), 60);
    NewCalls();
    std::vector<std::pair<std::int32_t, Calls>> seen;
    while (!app.f().countdown().AlarmActive()) {
        app.Tick(1000);
        const Calls calls = NewCalls();
        if (!calls.empty()) {
            seen.emplace_back(app.f().countdown().RemainingSeconds(), calls);
        }
    }
    EXPECT_EQ(seen, (std::vector<std::pair<std::int32_t, Calls>>{{3, {"open " + kAlarm}},
                                                                 {0, {"rewind", "play"}}}));
    EXPECT_TRUE(app.f().sound().Playing());
}

TEST_F(SoundOnDemand, ASoundOpenedAheadIsLetGoWhenTheAlarmIsNoLongerNear) {
    OneMinuteLeft();
    while (app.f().countdown().RemainingSeconds() > 2) {
        app.Tick(1000);
    }
    ASSERT_EQ(device().mode, MediaMode::Stopped) << "not opened ahead";
    NewCalls();
    Press(f().btnPlusOne);
    app.Tick(1000);
    EXPECT_EQ(NewCalls(), Calls{"close"});
    EXPECT_EQ(device().mode, MediaMode::NoDevice);
}

// Play pressed while the device stands open ahead of zero: the sound plays on, and the alarm
// finds it playing rather than a device let go under it.
TEST_F(SoundOnDemand, PlayInTheLastSecondsKeepsPlayingIntoTheAlarm) {
    OneMinuteLeft();
    while (app.f().countdown().RemainingSeconds() > 3) {
        app.Tick(1000);
    }
    ASSERT_EQ(device().mode, MediaMode::Stopped) << "opened ahead";
    NewCalls();
    Press(f().btnPlay);
    while (!app.f().countdown().AlarmActive()) {
        app.Tick(1000);
        EXPECT_EQ(device().mode, MediaMode::Playing) << app.f().countdown().RemainingSeconds();
    }
    EXPECT_EQ(NewCalls(), Calls{"play"});
    EXPECT_TRUE(app.f().sound().Playing());
}

// An opening ahead that failed once (the file was briefly locked) is tried again by the next
// countdown that comes near zero.
TEST_F(SoundOnDemand, AfterAFailedOpeningAheadALaterCountdownOpensAheadAgain) {
    device().openFailures[kAlarm] = 32;
    OneMinuteLeft();
    while (app.f().countdown().RemainingSeconds() > 3) {
        app.Tick(1000);
    }
    ASSERT_EQ(device().mode, MediaMode::NoDevice) << "the opening ahead failed";
    device().openFailures.clear();
    Press(f().btnPlusOne);
    app.Tick(1000);
    NewCalls();
    while (app.f().countdown().RemainingSeconds() > 3) {
        app.Tick(1000);
    }
    EXPECT_EQ(NewCalls(), Calls{"open " + kAlarm});
    EXPECT_EQ(device().mode, MediaMode::Stopped);
}

// Opened ahead or at zero, a file that fails says so once, at the alarm.
TEST_F(SoundOnDemand, ASoundThatFailsToOpenAheadIsReportedOnceAtTheAlarm) {
    device().openFailures[kAlarm] = 277;
    OneMinuteLeft();
    while (app.f().countdown().RemainingSeconds() > 1) {
        app.Tick(1000);
        EXPECT_TRUE(app.host.messageBoxes.shown.empty()) << app.f().countdown().RemainingSeconds();
    }
    app.Tick(1000);
    app.Tick(1000);
    EXPECT_TRUE(app.f().countdown().AlarmActive());
    EXPECT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_FALSE(app.f().sound().Loaded());
}

// The file was fine when chosen and is locked or gone when the alarm comes: the box of a
// failed choice comes once, the sound is dropped, and the alarm blinks on.
TEST_F(SoundOnDemand, ASoundThatFailsToOpenAtTheAlarmGivesTheBoxOfAFailedChoiceOnce) {
    device().openFailures[kAlarm] = 277;
    device().errorTexts[277] = "Die Datei ist gesperrt.";
    ReachZero();
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    const auto alarmBox = app.host.messageBoxes.shown[0];

    // The same file chosen in the dialog of a machine where it fails at once.
    App chooser;
    chooser.host.files.AddFile(kAlarm, "");
    chooser.host.mediaPlayer.openFailures[kAlarm] = 277;
    chooser.host.mediaPlayer.errorTexts[277] = "Die Datei ist gesperrt.";
    chooser.Running();
    chooser.host.fileDialog.answer = kAlarm;
    chooser.Click(chooser.f().btnOpenMP3.Normal);
    ASSERT_EQ(chooser.host.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(alarmBox.text, chooser.host.messageBoxes.shown[0].text);
    EXPECT_EQ(alarmBox.caption, chooser.host.messageBoxes.shown[0].caption);

    EXPECT_FALSE(app.f().sound().Loaded());
    EXPECT_FALSE(app.f().sound().Playing());
    EXPECT_FALSE(f().btnPlay.Active.Visible());
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_EQ(f().edtSecondTextLine.Text(), "MP3 auswählen");
    std::vector<bool> blink;
    for (int tick = 0; tick < 8; ++tick) {
        app.Tick();
        blink.push_back(f().imgBackgroundBlink.Visible());
    }
    EXPECT_NE(std::count(blink.begin(), blink.end(), true), 0) << "the alarm stopped blinking";
    EXPECT_NE(std::count(blink.begin(), blink.end(), false), 0);
    EXPECT_EQ(app.host.messageBoxes.shown.size(), 1u) << "the box came again";
}

// The failed sound's box has its own message loop, which goes on delivering ticks while the
// user reads it: screen readers are told of the alarm once all the same.
TEST_F(SoundOnDemand, ASoundThatFailsAtZeroRaisesOneAlertWhileItsBoxRunsTicks) {
    device().openFailures[kAlarm] = 277;
    app.host.messageBoxes.whileOpen = [this] { app.Tick(299); };
    ReachZero();
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    // The five minutes that -5 passed on the way, then the alarm's one alert.
    EXPECT_EQ(app.window().alerts, (std::vector<std::string>{"edtTimeMinutes", "edtTimeMinutes"}));
}

TEST_F(SoundOnDemandAtStart, ASoundTheDeviceCannotOpenAtStartGivesItsBoxOnceTheWindowShows) {
    device().openFailures[kAlarm] = 277;
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
    app.Running();
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_FALSE(app.f().sound().Loaded());
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_EQ(f().edtSecondTextLine.Text(), "MP3 auswählen");
}

// A device that does not answer in time, or ends by itself, is a sound that failed: one box in
// the words of a failed choice, the sound dropped and its device closed, and the countdown (or
// the alarm) keeps its time.
enum class DeviceFailure {
    ChosenSoundNeverAnswers,
    OpeningAtTheAlarmNeverAnswers,
    EndsWhileTheAlarmPlays,
    EndsWhileOpenedAhead,
    EndsWhileThePlayButtonPlays,
    EndsWhilePaused,
};

struct DeviceFailureCase {
    const char* name;
    DeviceFailure failure;
    const char* text;
};

void PrintTo(const DeviceFailureCase& failure, std::ostream* out) {
    *out << failure.name;
}

class SoundDeviceFailure : public SoundOnDemand,
                           public ::testing::WithParamInterface<DeviceFailureCase> {
protected:
    // Brings the machine to the failure.
    void Fail() {
        const std::string other = "C:\\Musik\\Rauschen.mp3";
        switch (GetParam().failure) {
        case DeviceFailure::ChosenSoundNeverAnswers:
            app.host.files.AddFile(other, "");
            device().openRefusals[other] = GetParam().text;
            Dispatch([&] { f().FilesDropped({other}); });
            return;
        case DeviceFailure::OpeningAtTheAlarmNeverAnswers:
            device().openRefusals[kAlarm] = GetParam().text;
            ReachZero();
            return;
        case DeviceFailure::EndsWhileTheAlarmPlays:
            ReachZero();
            ASSERT_EQ(device().mode, MediaMode::Playing);
            break;
        case DeviceFailure::EndsWhileOpenedAhead:
            OneMinuteLeft();
            while (f().countdown().RemainingSeconds() > 2) {
                app.Tick(1000);
            }
            ASSERT_EQ(device().mode, MediaMode::Stopped) << "not opened ahead";
            break;
        case DeviceFailure::EndsWhileThePlayButtonPlays:
            Press(f().btnPlay);
            ASSERT_EQ(device().mode, MediaMode::Playing);
            break;
        case DeviceFailure::EndsWhilePaused:
            Press(f().btnPlay);
            Press(f().btnPause);
            ASSERT_EQ(device().mode, MediaMode::Paused);
            break;
        }
        device().FailByItself(GetParam().text);
    }
};

TEST_P(SoundDeviceFailure, GivesOneBoxDropsTheSoundAndTheCountdownKeepsItsTime) {
    Fail();
    if (HasFatalFailure()) {
        return;
    }
    const std::string text = GetParam().text;
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(app.host.messageBoxes.shown[0].text,
              "Es ist ein Fehler aufgetreten:\r\nErrorCode: 0\r\n" + text + "\r\n" + text +
                  " (EMediaDeviceError)");
    EXPECT_EQ(app.host.messageBoxes.shown[0].caption, "Fehler");
    EXPECT_EQ(device().mode, MediaMode::NoDevice) << "the device was not closed";
    EXPECT_FALSE(f().sound().Loaded());
    EXPECT_FALSE(f().sound().Playing());
    EXPECT_FALSE(f().btnPlay.Active.Visible());
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_EQ(f().edtSecondTextLine.Text(), "MP3 auswählen");
    EXPECT_TRUE(f().tmrCountdown.Enabled());

    // The time goes on as before, to the alarm, which is silent now and brings no second box.
    const std::int32_t remaining = f().countdown().RemainingSeconds();
    app.Tick(1000);
    EXPECT_EQ(f().countdown().RemainingSeconds(), std::max(0, remaining - 1));
    NewCalls();
    while (!f().countdown().AlarmActive()) {
        Press(f().btnMinusFive);
        app.Tick();
    }
    for (int tick = 0; tick < 4; ++tick) {
        app.Tick();
    }
    EXPECT_TRUE(NewCalls().empty()) << "the dropped sound was played";
    EXPECT_EQ(app.host.messageBoxes.shown.size(), 1u) << "the box came again";
}

INSTANTIATE_TEST_SUITE_P(
    SoundOnDemand, SoundDeviceFailure,
    ::testing::Values(
        DeviceFailureCase{"ChosenSoundNeverAnswers", DeviceFailure::ChosenSoundNeverAnswers,
                          kMediaDeviceNoAnswer},
        DeviceFailureCase{"OpeningAtTheAlarmNeverAnswers",
                          DeviceFailure::OpeningAtTheAlarmNeverAnswers, kMediaDeviceNoAnswer},
        DeviceFailureCase{"EndsWhileTheAlarmPlays", DeviceFailure::EndsWhileTheAlarmPlays,
                          kMediaDeviceGone},
        DeviceFailureCase{"EndsWhileOpenedAhead", DeviceFailure::EndsWhileOpenedAhead,
                          kMediaDeviceGone},
        DeviceFailureCase{"StopsAnsweringWhileThePlayButtonPlays",
                          DeviceFailure::EndsWhileThePlayButtonPlays, kMediaDeviceNoAnswer},
        DeviceFailureCase{"EndsWhilePaused", DeviceFailure::EndsWhilePaused, kMediaDeviceGone}),
    [](const auto& kind) { return std::string(kind.param.name); });

} // namespace
} // namespace vorlane::testing
