// The alarm sound on the headless sound device: choosing, dropping and opening a file, the
// play, pause and stop buttons, the play-sound switch, the alarm at zero and a sound that
// ends by itself.
#include "AppFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

using Calls = std::vector<std::string>;

const std::string kMusic = "C:\\Musik\\";
const std::string kAlarm = kMusic + "Wecker.mp3";
const std::string kGong = kMusic + "Gong.wav";

// What tells the sound states apart: the two flags and the device's mode.
struct SoundState {
    bool loaded;
    bool playing;
    MediaMode mode;
    friend bool operator==(const SoundState&, const SoundState&) = default;
};
constexpr SoundState kNoSound{false, false, MediaMode::NoDevice};
constexpr SoundState kReady{true, false, MediaMode::Stopped};
constexpr SoundState kPlaying{true, true, MediaMode::Playing};
constexpr SoundState kPaused{true, false, MediaMode::Paused};

std::string Describe(const SoundState& state) {
    return std::string(state.loaded ? "loaded" : "not loaded") +
           (state.playing ? ", playing, mode " : ", not playing, mode ") +
           std::to_string(static_cast<int>(state.mode));
}

class Sound : public ::testing::Test {
protected:
    void SetUp() override {
        app.host.files.AddFile(kAlarm, "");
        app.host.files.AddFile(kGong, "");
        app.Running();
    }

    TFormVorlane& f() { return app.f(); }
    headless::RecordingMediaPlayer& player() { return app.host.mediaPlayer; }
    headless::RecordingFileDialog& dialog() { return app.host.fileDialog; }

    SoundState State() {
        return {app.f().sound().Loaded(), app.f().sound().Playing(), player().mode};
    }
    // The device operations since the last call.
    Calls NewCalls() {
        Calls calls(player().calls.begin() + static_cast<long>(seen_), player().calls.end());
        seen_ = player().calls.size();
        return calls;
    }

    // The open button, and the user picks the file in the dialog (nothing: cancels).
    void Choose(std::optional<std::string> file) {
        dialog().answer = std::move(file);
        app.Click(f().btnOpenMP3.Normal);
    }
    void Drop(const std::vector<std::string>& paths) {
        Dispatch([&] { f().FilesDropped(paths); });
    }
    void Press(ImageButton& button) { app.Click(button.Normal); }
    void PickFromTrayMenu(const std::string& item) {
        app.application().choose = item;
        Dispatch([&] { f().TrayIcon.ContextMenu(1800, 1050); });
    }
    // The user takes the countdown to zero with -5 and the next tick raises the alarm.
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

TEST_F(Sound, WithoutASoundFileTheLineAsksForOneAndTheSwitchIsUnticked) {
    EXPECT_EQ(State(), kNoSound);
    EXPECT_EQ(f().edtSecondTextLine.Text(), "MP3 auswählen");
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_TRUE(player().calls.empty());
}

TEST_F(Sound, EveryTransitionBetweenTheSoundStates) {
    const struct {
        const char* event;
        std::function<void()> act;
        SoundState state;
        Calls calls;
        bool playLook;
        bool pauseLook;
    } steps[] = {
        {"a file chosen", [&] { Choose(kAlarm); }, kReady, {"open " + kAlarm}, false, false},
        {"play", [&] { Press(f().btnPlay); }, kPlaying, {"play"}, true, false},
        {"pause", [&] { Press(f().btnPause); }, kPaused, {"pause"}, false, true},
        {"pause again plays on", [&] { Press(f().btnPause); }, kPlaying, {"play"}, true, false},
        {"stop", [&] { Press(f().btnStop); }, kReady, {"stop", "rewind"}, false, false},
        {"play from the start", [&] { Press(f().btnPlay); }, kPlaying, {"play"}, true, false},
        {"play while playing", [&] { Press(f().btnPlay); }, kPlaying, {}, true, false},
        {"pause", [&] { Press(f().btnPause); }, kPaused, {"pause"}, false, true},
        {"stop while paused",
         [&] { Press(f().btnStop); },
         kReady,
         {"stop", "rewind"},
         false,
         false},
        {"play", [&] { Press(f().btnPlay); }, kPlaying, {"play"}, true, false},
        {"switch unticked",
         [&] { PickFromTrayMenu("mnuPlayMP3OrNot"); },
         kReady,
         {"stop", "rewind"},
         false,
         false},
        {"play while unticked", [&] { Press(f().btnPlay); }, kReady, {}, false, false},
        {"switch ticked", [&] { PickFromTrayMenu("mnuPlayMP3OrNot"); }, kReady, {}, false, false},
        {"play", [&] { Press(f().btnPlay); }, kPlaying, {"play"}, true, false},
        {"another file dropped",
         [&] { Drop({kGong}); },
         kReady,
         {"close", "open " + kGong},
         false,
         false},
        {"play", [&] { Press(f().btnPlay); }, kPlaying, {"play"}, true, false},
        {"another file chosen while playing",
         [&] { Choose(kAlarm); },
         kReady,
         {"close", "open " + kAlarm},
         false,
         false},
        {"play the chosen file", [&] { Press(f().btnPlay); }, kPlaying, {"play"}, true, false},
        {"pause", [&] { Press(f().btnPause); }, kPaused, {"pause"}, false, true},
        {"another file chosen while paused",
         [&] { Choose(kGong); },
         kReady,
         {"close", "open " + kGong},
         false,
         false},
        {"play", [&] { Press(f().btnPlay); }, kPlaying, {"play"}, true, false},
        {"pause", [&] { Press(f().btnPause); }, kPaused, {"pause"}, false, true},
        {"another file dropped while paused",
         [&] { Drop({kAlarm}); },
         kReady,
         {"close", "open " + kAlarm},
         false,
         false},
        {"play", [&] { Press(f().btnPlay); }, kPlaying, {"play"}, true, false},
        {"a folder dropped",
         [&] { Drop({kMusic}); },
         {true, false, MediaMode::Playing},
         {},
         true,
         false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.event);
        step.act();
        EXPECT_EQ(State(), step.state) << Describe(State());
        EXPECT_EQ(NewCalls(), step.calls);
        EXPECT_EQ(f().btnPlay.Active.Visible(), step.playLook);
        EXPECT_EQ(f().btnPause.Active.Visible(), step.pauseLook);
    }
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
}

TEST_F(Sound, TheSwitchFollowsTheFileAndADropAlwaysMarksTheSettings) {
    Drop({kAlarm});
    EXPECT_TRUE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_EQ(f().edtSecondTextLine.Text(), " Wecker.mp3");
    EXPECT_TRUE(app.f().settings().Changed());

    app.SettingsSaved();
    Drop({});
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_TRUE(app.f().settings().Changed());
    EXPECT_EQ(State(), kReady);

    // A path too long for the file system names no file either.
    Drop({"C:\\" + std::string(300, 'x') + ".mp3"});
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_EQ(f().edtSecondTextLine.Text(), " Wecker.mp3");
    EXPECT_EQ(player().FileName(), kAlarm);
}

TEST_F(Sound, AtZeroAReadySoundIsRewoundAndPlayedOnce) {
    Choose(kAlarm);
    NewCalls();
    ReachZero();
    EXPECT_EQ(State(), kPlaying);
    EXPECT_EQ(NewCalls(), (Calls{"rewind", "play"}));
    EXPECT_TRUE(f().btnPlay.Active.Visible());
    app.Tick();
    app.Tick();
    EXPECT_TRUE(NewCalls().empty()) << "played once, not at every alarm tick";
}

TEST_F(Sound, AtZeroAPlayingSoundPlaysOn) {
    Choose(kAlarm);
    Press(f().btnPlay);
    NewCalls();
    ReachZero();
    EXPECT_EQ(State(), kPlaying);
    EXPECT_TRUE(NewCalls().empty());
}

TEST_F(Sound, AtZeroAPausedSoundStartsAgainFromTheStart) {
    Choose(kAlarm);
    Press(f().btnPlay);
    Press(f().btnPause);
    NewCalls();
    ReachZero();
    EXPECT_EQ(State(), kPlaying);
    EXPECT_EQ(NewCalls(), (Calls{"rewind", "play"}));
    EXPECT_FALSE(f().btnPause.Active.Visible());
}

// The end of playback: a sound that played to its end no longer counts as playing.
TEST_F(Sound, ASoundThatEndedByItselfPlaysAgainAtZeroAndFromThePlayButton) {
    Choose(kAlarm);
    Press(f().btnPlay);
    player().PlayToEnd();
    EXPECT_EQ(State(), kReady);
    EXPECT_FALSE(f().btnPlay.Active.Visible());

    NewCalls();
    Press(f().btnPlay);
    EXPECT_EQ(State(), kPlaying);
    EXPECT_EQ(NewCalls(), (Calls{"seek start", "play"})) << "from the start, not silent at the end";

    player().PlayToEnd();
    NewCalls();
    ReachZero();
    EXPECT_EQ(State(), kPlaying);
    EXPECT_EQ(NewCalls(), (Calls{"rewind", "play"}));
    EXPECT_TRUE(f().btnPlay.Active.Visible());
}

TEST_F(Sound, AtZeroWithoutASoundTheAlarmIsSilent) {
    ReachZero();
    EXPECT_EQ(State(), kNoSound);
    EXPECT_TRUE(player().calls.empty());
}

TEST_F(Sound, AtZeroWithTheSwitchUntickedTheSoundIsRewoundButSilent) {
    Choose(kAlarm);
    PickFromTrayMenu("mnuPlayMP3OrNot");
    ASSERT_FALSE(f().mnuPlayMP3OrNot->Checked);
    NewCalls();
    ReachZero();
    EXPECT_EQ(NewCalls(), Calls{"rewind"});
    EXPECT_EQ(State(), kReady);
    EXPECT_FALSE(f().btnPlay.Active.Visible());
}

TEST_F(Sound, UntickingTheSwitchDuringTheAlarmStopsAndRewindsTheSound) {
    Choose(kAlarm);
    ReachZero();
    ASSERT_EQ(State(), kPlaying);
    NewCalls();
    PickFromTrayMenu("mnuPlayMP3OrNot");
    EXPECT_EQ(State(), kReady);
    EXPECT_EQ(NewCalls(), (Calls{"stop", "rewind"}));
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_TRUE(f().tmrCountdown.Enabled());
    app.Tick();
    EXPECT_TRUE(NewCalls().empty());

    // Ticking it again while the file is gone opens the dialog; the countdown goes on.
    app.host.files.files.erase(kAlarm);
    bool countdownOnWhileOpen = false;
    dialog().whileOpen = [&] { countdownOnWhileOpen = f().tmrCountdown.Enabled(); };
    dialog().answer = std::nullopt;
    PickFromTrayMenu("mnuPlayMP3OrNot");
    ASSERT_EQ(dialog().shown.size(), 2u);
    EXPECT_TRUE(countdownOnWhileOpen);
    EXPECT_TRUE(f().tmrCountdown.Enabled());
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
}

TEST_F(Sound, OfThreeDroppedFilesOnlyTheFirstIsOpened) {
    app.host.files.AddFile(kMusic + "Drei.avi", "");
    Drop({kGong, kAlarm, kMusic + "Drei.avi"});
    EXPECT_EQ(NewCalls(), Calls{"open " + kGong});
    EXPECT_EQ(f().edtSecondTextLine.Text(), " Gong.wav");
    EXPECT_EQ(State(), kReady);
    EXPECT_TRUE(app.f().settings().Changed());
}

TEST_F(Sound, AFolderDroppedWhileASoundIsOpenLeavesTheSoundOpen) {
    Choose(kAlarm);
    app.SettingsSaved();
    NewCalls();
    Drop({kMusic});
    EXPECT_TRUE(NewCalls().empty());
    EXPECT_EQ(State(), kReady);
    EXPECT_EQ(f().edtSecondTextLine.Text(), " Wecker.mp3");
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_TRUE(app.f().settings().Changed());
}

TEST_F(Sound, TheCancelledDialogChangesNothingAndTheCountdownCatchesUp) {
    Choose(kAlarm);
    app.SettingsSaved();
    NewCalls();
    const std::string line = f().edtSecondTextLine.Text();
    bool countdownOnWhileOpen = true;
    bool pressedLookWhileOpen = false;
    dialog().whileOpen = [&] {
        countdownOnWhileOpen = f().tmrCountdown.Enabled();
        pressedLookWhileOpen = f().btnOpenMP3.Active.Visible();
        app.TimePasses(5000);
    };
    app.host.log.calls.clear();
    Choose(std::nullopt);

    EXPECT_TRUE(countdownOnWhileOpen);
    EXPECT_TRUE(pressedLookWhileOpen);
    EXPECT_EQ(app.host.log.calls.front(), "update") << "the pressed look is painted at once";
    EXPECT_TRUE(f().tmrCountdown.Enabled());
    EXPECT_FALSE(f().btnOpenMP3.Active.Visible());
    EXPECT_FALSE(app.f().settings().Changed());
    EXPECT_TRUE(NewCalls().empty());
    EXPECT_EQ(f().edtSecondTextLine.Text(), line);
    EXPECT_EQ(State(), kReady);
    app.Tick();
    EXPECT_EQ(app.Display(), "11:55");
}

TEST_F(Sound, ASoundChosenWhileAnotherPlaysRingsAtZero) {
    Choose(kAlarm);
    Press(f().btnPlay);
    ASSERT_EQ(State(), kPlaying);
    Choose(kGong);
    NewCalls();
    ReachZero();
    EXPECT_EQ(NewCalls(), (Calls{"rewind", "play"}));
    EXPECT_EQ(State(), kPlaying);
    EXPECT_TRUE(f().btnPlay.Active.Visible());
}

// The user is typing into a time field, or choosing a clock time, and opens the sound
// dialog with a click on the sound line or the eject button (neither takes the focus).
TEST_F(Sound, AClosedDialogLeavesTheTicksOffWhileATimeIsBeingEntered) {
    const struct {
        const char* entering;
        std::function<void(App&)> start;
    } ways[] = {
        {"minutes field",
         [](App& a) {
             Dispatch([&] { a.f().FocusControl(a.f().edtTimeMinutes); });
             Dispatch([&] { a.f().edtTimeMinutes.TextTyped("42"); });
         }},
        {"clock-time list",
         [](App& a) { Dispatch([&] { a.f().selection().btnSelectTimeclick(nullptr); }); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.entering);
        for (const bool viaLine : {false, true}) {
            SCOPED_TRACE(viaLine ? "sound line" : "eject button");
            App a;
            a.Running();
            way.start(a);
            ASSERT_FALSE(a.f().tmrCountdown.Enabled());
            a.host.fileDialog.answer = std::nullopt;
            if (viaLine) {
                Dispatch([&] { a.f().edtSecondTextLine.Click(); });
            } else {
                a.Click(a.f().btnOpenMP3.Normal);
            }
            ASSERT_EQ(a.host.fileDialog.shown.size(), 1u);
            EXPECT_FALSE(a.f().tmrCountdown.Enabled());
        }
    }
    // The typed minutes stay and are taken when the field is left.
    Dispatch([&] { f().FocusControl(f().edtTimeMinutes); });
    Dispatch([&] { f().edtTimeMinutes.TextTyped("42"); });
    Choose(std::nullopt);
    app.Tick();
    EXPECT_EQ(f().edtTimeMinutes.Text(), "42");
    Dispatch([&] { f().FocusControl(f().mplMediaPlayer); });
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 42 * 60);
    EXPECT_TRUE(f().tmrCountdown.Enabled());
}

TEST_F(Sound, TheCountdownGoesOnWhileTheDialogIsOpenAndTheAlarmComes) {
    Choose(kAlarm);
    NewCalls();
    const std::int32_t before = app.f().countdown().RemainingSeconds();
    std::int32_t afterASecond = 0;
    std::string tipAfterASecond;
    std::string displayAfterASecond;
    bool alarmWhileOpen = false;
    MediaMode modeWhileOpen = MediaMode::NoDevice;
    dialog().whileOpen = [&] {
        app.Tick(1000);
        afterASecond = app.f().countdown().RemainingSeconds();
        displayAfterASecond = app.Display();
        tipAfterASecond = f().TrayIcon.Hint();
        app.Tick(static_cast<std::int64_t>(before) * 1000);
        app.Tick();
        alarmWhileOpen = app.f().countdown().AlarmActive();
        modeWhileOpen = player().mode;
    };
    Choose(std::nullopt);
    EXPECT_EQ(afterASecond, before - 1);
    EXPECT_EQ(displayAfterASecond, "11:59");
    EXPECT_EQ(tipAfterASecond, "11:59");
    EXPECT_TRUE(alarmWhileOpen);
    EXPECT_EQ(modeWhileOpen, MediaMode::Playing);
    EXPECT_EQ(NewCalls(), (Calls{"rewind", "play"}));
    EXPECT_TRUE(app.window().topmost);
}

TEST_F(Sound, AChosenFileIsOpenedMarkedForTheSettingsAndTheFocusParked) {
    app.host.log.calls.clear();
    Choose(kAlarm);
    EXPECT_TRUE(app.Logged("focus mplMediaPlayer"));
    EXPECT_EQ(State(), kReady);
    EXPECT_EQ(player().FileName(), kAlarm);
    EXPECT_TRUE(app.f().settings().Changed());
    EXPECT_TRUE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_TRUE(f().tmrCountdown.Enabled());
    EXPECT_FALSE(f().btnOpenMP3.Active.Visible());

    // A choice of a file that is gone by the time the dialog closes changes nothing.
    app.SettingsSaved();
    NewCalls();
    Choose(kMusic + "Weg.mp3");
    EXPECT_TRUE(NewCalls().empty());
    EXPECT_FALSE(app.f().settings().Changed());
}

TEST_F(Sound, TheDialogAsksForAMultimediaFileAndStartsInTheRightFolder) {
    Choose(kAlarm);
    ASSERT_EQ(dialog().shown.size(), 1u);
    const OpenDialogSettings& first = dialog().shown[0];
    EXPECT_EQ(first.title, "Musikdatei auswählen");
    EXPECT_EQ(first.fileNameLabel, "Dateiname:");
    EXPECT_EQ(first.filters,
              (std::vector<FileTypeFilter>{{"Multimedia-Dateien", "*.wav;*.mid;*.midi;*.avi;*.mp3"},
                                           {"Alle Dateien (*.*)", "*.*"}}));
    EXPECT_EQ(first.fileName, "*.wav;*.mid;*.midi;*.avi;*.mp3");
    EXPECT_EQ(first.defaultExtension, "adw");
    EXPECT_TRUE(first.pathMustExist);
    EXPECT_TRUE(first.fileMustExist);
    EXPECT_EQ(first.initialFolder, app.f().settings().ConfigDir())
        << "no sound yet: the settings folder";

    Choose(std::nullopt);
    EXPECT_EQ(dialog().shown[1].initialFolder, kMusic) << "the open sound's folder";

    // The open sound's file is gone: the folder stays what it was.
    app.host.files.files.erase(kAlarm);
    f().sound().FileOpenDialog.initialFolder = "D:\\Zuletzt\\";
    Choose(std::nullopt);
    EXPECT_EQ(dialog().shown[2].initialFolder, "D:\\Zuletzt\\");
}

// The number after "ErrorCode: " is the device's own error code.
TEST_F(Sound, AFileThatCannotBeOpenedPaintsTheLineRedAndSaysWhy) {
    const std::string kText = "A problem occurred in initializing MCI. Try restarting Windows.";
    const std::string notASound = kMusic + "Liste.mp3";
    app.host.files.AddFile(notASound, "");
    player().openFailures[notASound] = 277;
    player().errorTexts[277] = kText;
    Choose(kAlarm);
    NewCalls();

    Choose(notASound);
    EXPECT_EQ(NewCalls(), (Calls{"close", "open " + notASound}));
    EXPECT_EQ(State(), kNoSound);
    EXPECT_FALSE(f().mnuPlayMP3OrNot->Checked);
    EXPECT_EQ(f().edtSecondTextLine.Text(), "MP3 auswählen");
    EXPECT_EQ(f().edtSecondTextLine.BackgroundColor(), (Color{255, 0, 0}));
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(app.host.messageBoxes.shown[0].text,
              "Es ist ein Fehler aufgetreten:\r\nErrorCode: 277\r\n" + kText + "\r\n" + kText +
                  " (EMediaDeviceError)");
    EXPECT_EQ(app.host.messageBoxes.shown[0].caption, "Fehler");
    EXPECT_EQ(app.host.messageBoxes.shown[0].icon, MessageIcon::Error);
    // The player keeps the name, but a sound it did not open is never written to the settings.
    EXPECT_EQ(player().FileName(), notASound);
    EXPECT_TRUE(app.f().settings().Changed());
    EXPECT_TRUE(f().tmrCountdown.Enabled());

    app.Tick();
    EXPECT_EQ(f().edtSecondTextLine.BackgroundColor(), kWhite) << "until the next counting tick";

    // The buttons do nothing without a sound, and the alarm stays silent.
    NewCalls();
    Press(f().btnPlay);
    Press(f().btnPause);
    Press(f().btnStop);
    ReachZero();
    EXPECT_TRUE(NewCalls().empty());
    EXPECT_FALSE(f().btnPause.Active.Visible());
}

TEST_F(Sound, AnErrorCodeWithoutATextShowsTheUnknownText) {
    const std::string locked = kMusic + "Gesperrt.wav";
    app.host.files.AddFile(locked, "");
    player().openFailures[locked] = 99999;
    Drop({locked});
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(app.host.messageBoxes.shown[0].text,
              "Es ist ein Fehler aufgetreten:\r\nErrorCode: 99999\r\nUnknown error code\r\n"
              "Unknown error code (EMediaDeviceError)");
}

TEST_F(Sound, TheSoundNameLineShowsTheNameShortenedToItsRoom) {
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const struct {
        std::size_t nameUnits;
        std::string line;
    } cases[] = {
        {34, " " + letters.substr(0, 34)},
        {35, " abcdefghijklmn...tuvwxyzABCDEFGHI"},
        {46, " abcdefghijklmn...EFGHIJKLMNOPQRST"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nameUnits);
        const std::string path = "C:\\Ein\\langer\\Ordner\\" + letters.substr(0, c.nameUnits);
        app.host.files.AddFile(path, "");
        Drop({path});
        EXPECT_EQ(f().edtSecondTextLine.Text(), c.line);
        EXPECT_EQ(player().openFile, path);
    }
}

TEST_F(Sound, AClickOnTheSoundNameLineOpensTheDialog) {
    dialog().answer = kGong;
    Dispatch([&] { f().edtSecondTextLine.Click(); });
    EXPECT_EQ(dialog().shown.size(), 1u);
    EXPECT_EQ(player().openFile, kGong);
}

TEST_F(Sound, PauseShowsItsLookEvenWhenThereIsNothingToPause) {
    Press(f().btnPause);
    EXPECT_FALSE(f().btnPause.Active.Visible()) << "nothing loaded: nothing happens";
    Choose(kAlarm);
    NewCalls();
    Press(f().btnPause);
    EXPECT_TRUE(f().btnPause.Active.Visible());
    EXPECT_EQ(State(), kReady);
    EXPECT_TRUE(NewCalls().empty());
}

TEST_F(Sound, PlayAndPauseKeepTheirPressedLooksWhileTheirModeLasts) {
    Choose(kAlarm);
    Press(f().btnPlay);
    Dispatch([&] { f().looks().examineVisibleObjects(); });
    EXPECT_TRUE(f().btnPlay.Active.Visible());
    Press(f().btnPause);
    Dispatch([&] { f().looks().examineVisibleObjects(); });
    EXPECT_TRUE(f().btnPause.Active.Visible());
    Press(f().btnStop);
    Dispatch([&] { f().looks().examineVisibleObjects(); });
    EXPECT_FALSE(f().btnPause.Active.Visible());
    EXPECT_FALSE(f().btnPlay.Active.Visible());
}

TEST_F(Sound, ClosingTheWindowClosesTheDevice) {
    Choose(kAlarm);
    Press(f().btnPlay);
    NewCalls();
    Dispatch([&] { app.window().Close(); });
    EXPECT_EQ(NewCalls(), Calls{"close"});
    EXPECT_EQ(player().mode, MediaMode::NoDevice);
}

} // namespace
} // namespace vorlane::testing
