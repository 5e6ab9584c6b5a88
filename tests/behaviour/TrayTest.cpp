// The tray icon and its menu, hiding to the tray and coming back, moving the window by its
// background, and the web page of the sibling product.
#include "AppFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vorlane::testing {
namespace {

using Names = std::vector<std::string>;

// A point of the background picture where no button lies.
constexpr int kBackgroundX = 10;
constexpr int kBackgroundY = 100;

class TrayMenu : public ::testing::Test {
protected:
    void SetUp() override { app.Running(); }
    void TearDown() override { EXPECT_TRUE(app.host.messageBoxes.shown.empty()); }

    TFormVorlane& f() { return app.f(); }
    headless::RecordingApplication& application() { return app.application(); }
    // Opens the menu from the tray icon with a right click, picking the named item (or none).
    const headless::RecordingApplication::OpenedMenu& RightClickTray(const std::string& pick = "") {
        application().choose = pick;
        Dispatch([&] { f().TrayIcon.ContextMenu(1800, 1050); });
        return application().menusOpened.back();
    }
    void PressBackground(MouseButton button) {
        const ShiftState held{button == MouseButton::Left, button == MouseButton::Right, false};
        Dispatch([&] { f().MouseDown(button, kBackgroundX, kBackgroundY, held); });
        Dispatch([&] { f().MouseUp(button, kBackgroundX, kBackgroundY); });
    }

    App app;
};

TEST_F(TrayMenu, TheMenuShowsItsGermanEntriesInOrderAndMinimiseOrRestoreByState) {
    const auto& shown = RightClickTray();
    EXPECT_EQ(shown.at.x, 1800);
    EXPECT_EQ(shown.at.y, 1050);
    EXPECT_EQ(shown.shown, (Names{"mnuSet",
                                  "mnuSet/mnu5",
                                  "mnuSet/mnu8",
                                  "mnuSet/mnu12",
                                  "mnuSet/mnu15",
                                  "mnuSet/mnu20",
                                  "mnuSet/mnu30",
                                  "mnuSet/mnu60",
                                  "mnuSet/mnuSeparator4",
                                  "mnuSet/mnuSelectTime",
                                  "mnuSeparator1",
                                  "mnuPlayMP3OrNot",
                                  "mnuSeparator2",
                                  "mnuInfo",
                                  "mnuVisitArdeway",
                                  "mnuSeparator3",
                                  "mnuOpenConfigFolderHere",
                                  "mnuSeparator5",
                                  "mnuMinimize",
                                  "mnuExit"}));
    EXPECT_EQ(f().mnuSet->Caption, "&Zeit einstellen");
    EXPECT_EQ(f().mnuMinimize->Caption, "&Minimieren");
    EXPECT_EQ(f().mnuRestore->Caption, "&Wiederherstellen");

    Dispatch([&] { f().windowAndTray().MinimizeToTray(); });
    const auto& inTray = RightClickTray();
    EXPECT_NE(std::find(inTray.shown.begin(), inTray.shown.end(), "mnuRestore"),
              inTray.shown.end());
    EXPECT_EQ(std::find(inTray.shown.begin(), inTray.shown.end(), "mnuMinimize"),
              inTray.shown.end());
}

TEST_F(TrayMenu, APresetFromTheMenuSetsTheCountdown) {
    RightClickTray("mnu15");
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 900);
    app.Tick(300);
    EXPECT_EQ(app.Display(), "15:00");
    EXPECT_EQ(f().TrayIcon.Hint(), "15:00");
}

TEST_F(TrayMenu, MinimiseAndRestoreGoThroughTheTray) {
    RightClickTray("mnuMinimize");
    EXPECT_TRUE(application().minimized);
    EXPECT_FALSE(app.window().visible);
    EXPECT_EQ(f().Focused(), &f().mplMediaPlayer);

    app.host.log.calls.clear();
    RightClickTray("mnuRestore");
    EXPECT_FALSE(application().minimized);
    EXPECT_TRUE(app.window().visible);
    // The restore event keeps the owner window hidden, then the step itself does too.
    EXPECT_EQ(app.host.log.calls,
              (Names{"popup pmnPopupSymbol", "restore", "hide owner", "hide owner", "foreground"}));

    // A click on the icon while the window is shown only brings it to the front.
    app.host.log.calls.clear();
    Dispatch([&] { f().TrayIcon.Click(); });
    EXPECT_EQ(app.host.log.calls, (Names{"restore", "hide owner", "foreground"}));
    EXPECT_TRUE(app.window().visible);
}

TEST_F(TrayMenu, TheClockTimeSelectionFromTheTrayBringsTheWindowBackFirst) {
    RightClickTray("mnuMinimize");
    ASSERT_FALSE(app.window().visible);
    app.host.log.calls.clear();
    RightClickTray("mnuSelectTime");
    EXPECT_TRUE(app.window().visible);
    EXPECT_FALSE(application().minimized);
    EXPECT_TRUE(app.f().selection().Selecting());
    EXPECT_EQ(f().Focused(), &f().cmbEndTimeComboBox);
    // As a click on the icon does it, before the list takes the focus.
    const auto& calls = app.host.log.calls;
    const auto at = [&](const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    };
    EXPECT_LT(at("restore"), at("focus cmbEndTimeComboBox"));
    EXPECT_LT(at("foreground"), at("focus cmbEndTimeComboBox"));
}

TEST_F(TrayMenu, TheMinimiseButtonIsRefusedAtZeroButClearsItsLooks) {
    App atZero({"-t0"});
    atZero.Running();
    TFormVorlane& z = atZero.f();
    z.btnMinimize.Hover.Show();
    z.btnMinimize.Active.Show();
    atZero.Click(z.btnMinimize.Active);
    EXPECT_FALSE(atZero.application().minimized);
    EXPECT_TRUE(atZero.window().visible);
    EXPECT_FALSE(z.btnMinimize.Hover.Visible());
    EXPECT_FALSE(z.btnMinimize.Active.Visible());
    // The menu item is refused the same way; F12 is not.
    atZero.application().choose = "mnuMinimize";
    Dispatch([&] { z.TrayIcon.ContextMenu(0, 0); });
    EXPECT_FALSE(atZero.application().minimized);
    atZero.Key(0x7B);
    EXPECT_TRUE(atZero.application().minimized);
}

TEST_F(TrayMenu, ALeftPressOnTheBackgroundMovesTheWindowAndMarksTheSettings) {
    app.SettingsSaved();
    app.host.log.calls.clear();
    PressBackground(MouseButton::Left);
    // A press that did not move the window still marks its place for saving.
    EXPECT_TRUE(app.Logged("drag"));
    EXPECT_TRUE(app.f().settings().Changed());
    EXPECT_EQ(f().Focused(), &f().mplMediaPlayer);
    EXPECT_TRUE(application().menusOpened.empty());
}

TEST_F(TrayMenu, ARightPressOnTheBackgroundOpensTheMenuAtThePointerButNotOnAButton) {
    application().pointer = Point{640, 480};
    PressBackground(MouseButton::Right);
    ASSERT_EQ(application().menusOpened.size(), 1u);
    EXPECT_EQ(application().menusOpened[0].menu, &f().pmnPopupSymbol);
    EXPECT_EQ(application().menusOpened[0].at, (Point{640, 480}));
    EXPECT_EQ(f().Focused(), &f().mplMediaPlayer);
    EXPECT_FALSE(app.Logged("drag"));

    // Over +5 (its hover look under the pointer) a right press opens nothing.
    Dispatch([&] { f().MouseMove(150, 160, ShiftState{}); });
    Dispatch([&] { f().MouseDown(MouseButton::Right, 150, 160, ShiftState{false, true}); });
    EXPECT_EQ(application().menusOpened.size(), 1u);
}

TEST_F(TrayMenu, ADraggedWindowSnapsToTheWorkAreasEdges) {
    app.host.screen.workArea = Rect{0, 0, 1920, 1040};
    const struct {
        vorlane::Point dropAt;
        int left;
        int top;
    } cases[] = {
        {{400, 300}, 400, 300}, // in the open: where it was let go
        {{8, 300}, 0, 300},     // within 10 pixels of the left edge
        {{11, 300}, 11, 300},   // just outside that
        {{-7, -10}, 0, 0},      // a little past the top-left corner
        {{1920 - 171 - 10, 1040 - 238 + 4}, 1920 - 171, 1040 - 238}, // bottom right
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dropAt.x) + "," + std::to_string(c.dropAt.y));
        app.window().dragTo = {Point{700, 500}, c.dropAt};
        PressBackground(MouseButton::Left);
        EXPECT_EQ(f().Left(), c.left);
        EXPECT_EQ(f().Top(), c.top);
    }
}

TEST_F(TrayMenu, OnASecondMonitorTheWindowSnapsToThatMonitorsWorkArea) {
    // A second monitor right of the primary, its taskbar on its left side (100 pixels), and a
    // shorter one: neither edge is one of the primary's.
    app.host.screen.workArea = Rect{0, 0, 1920, 1040};
    app.host.screen.monitors = {{Rect{0, 0, 1920, 1080}, Rect{0, 0, 1920, 1040}},
                                {Rect{1920, 0, 1280, 1024}, Rect{2020, 0, 1180, 1024}}};
    const struct {
        vorlane::Point dropAt;
        int left;
        int top;
    } cases[] = {
        {{2027, 400}, 2020, 400},                   // its work area's left edge
        {{2500, 1024 - 238 + 6}, 2500, 1024 - 238}, // its bottom, 56 above the primary's
        {{3200 - 171 - 9, 5}, 3200 - 171, 0},       // its top right corner
        {{1755, 400}, 1920 - 171, 400},             // mostly on the primary: its right edge
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dropAt.x) + "," + std::to_string(c.dropAt.y));
        app.window().dragTo = {Point{700, 500}, c.dropAt};
        PressBackground(MouseButton::Left);
        EXPECT_EQ(f().Left(), c.left);
        EXPECT_EQ(f().Top(), c.top);
    }
}

TEST_F(TrayMenu, TheInfoDialogOpensFromTheButtonF1AndTheMenuEachTimeANewOne) {
    // The first start showed one already (stage C); each way shows another.
    const auto shown = [&] {
        return std::count(app.host.log.calls.begin(), app.host.log.calls.end(),
                          "ShowInfoDialog: show");
    };
    ASSERT_EQ(shown(), 1);
    app.Click(f().btnHelp.Normal);
    EXPECT_EQ(shown(), 2);
    app.Key(0x70);
    EXPECT_EQ(shown(), 3);
    RightClickTray("mnuInfo");
    EXPECT_EQ(shown(), 4);
    EXPECT_EQ(app.info.InfoLanguage, "DEUTSCH");
    EXPECT_EQ(app.info.InfoVersionText, VORLANE_PROJECT_VERSION " Deutsch (64bit)");
    ASSERT_NE(app.info.ShowInfoDialog, nullptr);
    EXPECT_EQ(app.info.ShowInfoDialog->Caption(),
              "Vorlane Version " VORLANE_PROJECT_VERSION " Deutsch (64bit)");
    // Nothing of this changed the main window's state.
    EXPECT_TRUE(app.window().visible);
    EXPECT_FALSE(application().minimized);
}

TEST_F(TrayMenu, VisitingTheSiblingOpensItsGermanPageAndLeavesTheWindowAlone) {
    RightClickTray("mnuVisitArdeway");
    ASSERT_EQ(app.host.shell.opened.size(), 1u);
    EXPECT_EQ(app.host.shell.opened[0].file, "https:\\\\www.ardeway-de.example");
    EXPECT_EQ(app.host.shell.opened[0].parameters, "");
    EXPECT_TRUE(app.window().visible);
    EXPECT_FALSE(application().minimized);
    // A shell that cannot open it changes nothing either and says nothing.
    app.host.shell.accepts = false;
    RightClickTray("mnuVisitArdeway");
    EXPECT_EQ(app.host.shell.opened.size(), 2u);
}

// At zero a notification beside the tray icon says what ended and when, once per alarm; a
// click on it brings the window to the front as a click on the icon does.
TEST(TrayNotification, TheAlarmIsToldOnceBesideTheIconAndItsClickBringsTheWindow) {
    const struct {
        std::vector<std::string> arguments;
        const char* text;
    } cases[] = {
        {{"-t1"}, "Die Zeit ist um.\nAbgelaufen um 14:01 Uhr."},
        {{"-t1", "-sTee ziehen lassen"}, "Tee ziehen lassen\nAbgelaufen um 14:01 Uhr."},
    };
    for (const auto& c : cases) {
        App app(c.arguments);
        app.Running();
        EXPECT_TRUE(app.window().notifications.empty());
        Dispatch([&] { app.f().mnuMinimize->Click(); });
        ASSERT_TRUE(app.application().minimized);
        while (!app.f().countdown().AlarmActive()) {
            app.Tick(1000);
        }
        app.Tick();
        app.Tick();
        EXPECT_EQ(app.window().notifications, (std::vector<TrayNotification>{{"Vorlane", c.text}}));

        app.application().minimized = true;
        app.host.log.calls.clear();
        Dispatch([&] { app.f().TrayIcon.NotificationClicked(); });
        EXPECT_FALSE(app.application().minimized);
        EXPECT_EQ(app.host.log.calls, (Names{"restore", "hide owner", "hide owner", "foreground"}));
    }
}

} // namespace
} // namespace vorlane::testing
