#include "AppFixture.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

TEST(StartUp, CreationLaysOutTheWindowAndPlacesAFirstRun) {
    App app;
    auto& f = app.f();
    EXPECT_EQ(app.host.application.title, "Vorlane");
    EXPECT_EQ(f.Width(), 171);
    EXPECT_EQ(f.Height(), 238);
    // The ellipse reaches one pixel beyond the left and top edges and two beyond the others.
    EXPECT_EQ(app.window().region.left, -1);
    EXPECT_EQ(app.window().region.top, -1);
    EXPECT_EQ(app.window().region.right, 173);
    EXPECT_EQ(app.window().region.bottom, 240);
    EXPECT_EQ(app.Display(), "12:00");
    EXPECT_EQ(f.TrayIcon.Hint(), "12:00");
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 720);
    EXPECT_EQ(f.edtSecondTextLine.Text(), "MP3 auswählen");
    EXPECT_EQ(f.edtFirstTextLine.Text(), "Vezov!");
    EXPECT_EQ(f.edtFirstTextLine.Hint(), "Vezov!");
    EXPECT_FALSE(f.edtFirstTextLine.Visible());
    EXPECT_FALSE(f.btnTimeSelectionOkay.Visible());
    EXPECT_FALSE(f.btnTerminVerschieben.Visible());
    // No settings file yet: first-run position, info dialog wished, settings written at once.
    EXPECT_EQ(f.Left(), 1234);
    EXPECT_EQ(f.Top(), 421);
    EXPECT_FALSE(app.f().settings().Changed());
    EXPECT_TRUE(app.host.files.FileExists(app.f().settings().ConfigDir() + "Vorlane.ini"));
    EXPECT_TRUE(f.tmrFirstStart.Enabled());
    EXPECT_FALSE(f.tmrStartAfter300ms.Enabled());
    EXPECT_FALSE(f.tmrCountdown.Enabled());
    EXPECT_TRUE(app.StartUpEndsWithTheInfoDialog());
}

TEST(StartUp, WindowIsAToolWindowWithoutTaskbarButtonAndStartsOnTop) {
    App app;
    WindowParams params;
    app.f().CreateParams(params);
    EXPECT_TRUE(params.toolWindow);
    EXPECT_FALSE(params.appWindow);
    EXPECT_TRUE(app.f().StayOnTop);
}

TEST(StartUp, NarrowScreenKeepsTheFirstRunWindowOnScreen) {
    App app({}, 800, 600);
    EXPECT_EQ(app.f().Left(), 629);
    EXPECT_EQ(app.f().Top(), 181);
}

TEST(StartUp, StagesRunInOrderAndSwitchOnTheCountdown) {
    App app;
    auto& f = app.f();
    app.host.log.calls.clear();
    app.Fire(f.tmrFirstStart);
    EXPECT_FALSE(f.tmrFirstStart.Enabled());
    EXPECT_EQ(f.Focused(), &f.mplMediaPlayer);
    EXPECT_TRUE(app.window().acceptsDrops);
    EXPECT_TRUE(f.tmrStartAfter300ms.Enabled());
    EXPECT_FALSE(f.tmrCountdown.Enabled());
    const std::vector<std::string> stageB = {"focus mplMediaPlayer", "drop files",
                                             "hints 400 25000", "hide owner"};
    EXPECT_EQ(app.host.log.calls, stageB);
    EXPECT_EQ(f.btnPlusFive.Hover.Hint(), "\"Countdown\" um fünf Minuten verlängern");
    EXPECT_EQ(f.edtTimeMinutes.Hint(), "Minuten");
    EXPECT_EQ(f.btnTerminVerschieben.Text(), "Später erinnern?");
    EXPECT_EQ(f.mnuInfo->Caption, "&Über Vorlane");
    EXPECT_EQ(f.mnuOpenConfigFolderHere->Caption, "Ö&ffne Ordner mit Konfigurationsdatei");
    EXPECT_EQ(f.btnMinimize.Hover.Hint(), "Minimize"); // keeps its English hint
    EXPECT_FALSE(f.btnPlay.Hover.ShowHint);

    app.host.log.calls.clear();
    app.Fire(f.tmrStartAfter300ms);
    EXPECT_FALSE(f.tmrStartAfter300ms.Enabled());
    EXPECT_TRUE(f.tmrCountdown.Enabled());
    EXPECT_FALSE(app.window().topmost);
    EXPECT_FALSE(f.StayOnTop);
    // A first start (there is no settings file yet) ends with the info dialog, centred.
    EXPECT_EQ(
        app.host.log.calls,
        (std::vector<std::string>{
            "focus mplMediaPlayer", "notopmost", "hints 400 25000",
            "ShowInfoDialog: bounds 0,0,483,456", "ShowInfoDialog: bounds 718,312,483,456",
            "ShowInfoDialog: caption Vorlane Version " VORLANE_PROJECT_VERSION " Deutsch (64bit)",
            "ShowInfoDialog: show"}));
}

TEST(StartUp, TimeSpentStartingIsNotCounted) {
    App app;
    app.FinishStartUp();
    app.TimePasses(5000); // a slow first tick
    app.Fire(app.f().tmrCountdown);
    EXPECT_FALSE(app.f().countdown().Starting());
    EXPECT_EQ(app.f().tmrCountdown.Interval(), 300);
    EXPECT_EQ(app.Display(), "12:00");
    app.Tick(1000);
    EXPECT_EQ(app.Display(), "11:59");
}

TEST(StartUp, CommandLineSetsTheCountdown) {
    const struct {
        std::vector<std::string> arguments;
        const char* display;
    } cases[] = {
        {{"-t999"}, "999:00"},     {{"-t1000"}, "12:00"}, {{"-t-5"}, "12:00"},
        {{"-tabc"}, "12:00"},      {{"-t"}, "12:00"},     {{"-T5"}, "12:00"},
        {{"-t5", "-t7"}, "07:00"}, {{"-t0"}, "00:00"},    {{"-t 5"}, "05:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        App app(c.arguments);
        EXPECT_EQ(app.Display(), c.display);
    }
}

TEST(StartUp, ReminderArgumentsGiveTheReminderLayout) {
    App app({"-t0", "-sTea_is_ready"});
    auto& f = app.f();
    EXPECT_TRUE(f.edtFirstTextLine.Visible());
    EXPECT_EQ(f.edtFirstTextLine.Text(), "Tea is ready");
    EXPECT_EQ(f.edtFirstTextLine.Hint(), "Tea is ready");
    EXPECT_EQ(f.edtFirstTextLine.Top(), 76);
    EXPECT_TRUE(f.btnTerminVerschieben.Visible());
    for (TControl* hidden :
         {&f.edtSecondTextLine, &f.edtTimeMinutes, &f.edtTimeSeconds, &f.edtTimeColon}) {
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    }
    app.Running();
    EXPECT_TRUE(app.f().countdown().AlarmActive());
}

TEST(StartUp, ReminderTextWithoutZeroTimeKeepsTheCountdownLayout) {
    App app({"-s"});
    auto& f = app.f();
    EXPECT_TRUE(f.edtFirstTextLine.Visible());
    EXPECT_EQ(f.edtFirstTextLine.Text(), "");
    EXPECT_EQ(f.edtSecondTextLine.Top(), 84);
    EXPECT_TRUE(f.edtSecondTextLine.Visible());
    EXPECT_TRUE(f.edtTimeMinutes.Visible());
    EXPECT_FALSE(f.btnTerminVerschieben.Visible());
}

TEST(StartUp, StartHiddenGoesToTheTrayAndStillCounts) {
    App app({"-m"});
    app.FinishStartUp();
    EXPECT_TRUE(app.application().minimized);
    EXPECT_FALSE(app.window().visible);
    EXPECT_TRUE(app.f().tmrCountdown.Enabled());
    App upper({"-M"});
    upper.FinishStartUp();
    EXPECT_FALSE(upper.application().minimized);
}

TEST(StartUp, LayoutPutsEveryControlInItsPlace) {
    App app;
    auto& f = app.f();
    const struct {
        TControl& control;
        Rect bounds;
    } expected[] = {
        {f.imgForm, {0, 0, 171, 238}},
        {f.imgBackgroundBlink, {24, 36, 122, 70}},
        {f.btnMinusOne.Normal, {13, 179, 50, 53}},
        {f.btnMinusFive.Normal, {2, 130, 56, 55}},
        {f.btnPlusOne.Normal, {107, 179, 50, 53}},
        {f.btnPlusFive.Normal, {113, 130, 56, 56}},
        {f.btnPlay.Normal, {70, 165, 32, 56}},
        {f.btnStop.Normal, {91, 128, 26, 39}},
        {f.btnPause.Normal, {54, 128, 26, 39}},
        {f.btnOpenMP3.Normal, {76, 122, 18, 25}},
        {f.btnMinimize.Normal, {64, 9, 21, 15}},
        {f.btnExit.Normal, {85, 9, 21, 16}},
        {f.btnSetTime.Normal, {37, 123, 17, 20}},
        {f.btnHelp.Normal, {119, 123, 17, 20}},
        {f.edtTimeMinutes, {47, 47, 34, 21}},
        {f.edtTimeColon, {82, 47, 7, 21}},
        {f.edtTimeSeconds, {91, 47, 24, 21}},
        {f.edtFirstTextLine, {35, 72, 100, 15}},
        {f.edtSecondTextLine, {35, 77, 100, 15}},
        {f.edtHinweiseLabel, {48, 34, 75, 13}},
        {f.cmbEndTimeComboBox, {48, 48, 75, 20}},
        {f.btnTimeSelectionOkay, {70, 74, 32, 16}},
        {f.btnTerminVerschieben, {28, 48, 115, 24}},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(e.control.Bounds(), e.bounds) << e.control.Name();
    }
    for (ImageButton* button : f.ImageButtons()) {
        EXPECT_EQ(button->Hover.Bounds(), button->Normal.Bounds()) << button->Normal.Name();
        EXPECT_EQ(button->Active.Bounds(), button->Normal.Bounds()) << button->Normal.Name();
        EXPECT_TRUE(button->Normal.Visible());
        EXPECT_FALSE(button->Hover.Visible());
        EXPECT_FALSE(button->Active.Visible());
    }
    // The media player lies wholly outside the window, where it is never seen.
    EXPECT_GE(f.mplMediaPlayer.Left(), 171);
    EXPECT_GE(f.mplMediaPlayer.Top(), 238);
    EXPECT_EQ(f.edtTimeMinutes.GetFont().points, 9);
    EXPECT_EQ(f.edtFirstTextLine.GetFont().points, 7);
    EXPECT_EQ(f.cmbEndTimeComboBox.GetFont().points, 6);
    EXPECT_EQ(f.btnTerminVerschieben.GetFont().points, 6);
    EXPECT_EQ(f.edtTimeMinutes.Alignment, TextAlign::Right);
    EXPECT_EQ(f.edtTimeSeconds.Alignment, TextAlign::Left);
    EXPECT_EQ(f.edtSecondTextLine.Alignment, TextAlign::Center);
}

TEST(StartUp, EscapeClosesAndEndsTheProgram) {
    App app;
    app.Running();
    app.host.log.calls.clear();
    EXPECT_TRUE(app.Key(0x1B));
    EXPECT_TRUE(app.window().closed);
    EXPECT_TRUE(app.application().terminated);
    EXPECT_EQ(app.host.log.calls,
              (std::vector<std::string>{"close", "process messages", "terminate"}));
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
}

TEST(StartUp, ExitButtonClosesTheProgram) {
    App app;
    app.Running();
    app.Click(app.f().btnExit.Normal);
    EXPECT_TRUE(app.window().closed);
}

TEST(StartUp, TabMovesThroughTheVisibleTabStopsInOrder) {
    App app;
    auto& f = app.f();
    EXPECT_EQ(f.NextTabStop(&f.edtTimeMinutes, false), &f.edtTimeSeconds);
    EXPECT_EQ(f.NextTabStop(&f.edtTimeSeconds, false), &f.mplMediaPlayer);
    EXPECT_EQ(f.NextTabStop(&f.mplMediaPlayer, false), &f.edtTimeMinutes); // wraps around
    EXPECT_EQ(f.NextTabStop(&f.edtTimeMinutes, true), &f.mplMediaPlayer);
    // The reminder layout hides the time fields and shows the postpone button.
    App reminder({"-t0", "-sTee"});
    auto& r = reminder.f();
    EXPECT_EQ(r.NextTabStop(&r.mplMediaPlayer, false), &r.btnTerminVerschieben);
    EXPECT_EQ(r.NextTabStop(nullptr, false), &r.btnTerminVerschieben);
}

} // namespace
} // namespace vorlane::testing
