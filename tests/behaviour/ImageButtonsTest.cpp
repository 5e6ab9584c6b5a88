// The looks of the image buttons under the mouse, and which picture the mouse reaches.
#include "AppFixture.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

struct Point {
    int x;
    int y;
};

// A point of each button that lies in no other button's rectangle.
Point SpotOf(TFormVorlane& f, const ImageButton& button) {
    const struct {
        const ImageButton& button;
        Point at;
    } spots[] = {
        {f.btnMinusOne, {38, 210}},  {f.btnMinusFive, {20, 150}}, {f.btnPlusOne, {132, 210}},
        {f.btnPlusFive, {150, 160}}, {f.btnPlay, {86, 195}},      {f.btnStop, {104, 150}},
        {f.btnPause, {66, 150}},     {f.btnOpenMP3, {85, 125}},   {f.btnMinimize, {74, 16}},
        {f.btnExit, {95, 16}},       {f.btnSetTime, {45, 126}},   {f.btnHelp, {127, 126}},
    };
    for (const auto& spot : spots) {
        if (&spot.button == &button) {
            return spot.at;
        }
    }
    ADD_FAILURE() << "no spot for " << button.Normal.Name();
    return {0, 0};
}

// Inside the window, over the background only (left of the blink picture).
constexpr Point kBackground{10, 100};
// Inside the blink picture, on no button.
constexpr Point kBlinkOnly{85, 100};

// Names of the shown pictures of one look (Hover or Active) over all twelve buttons.
std::vector<std::string> Shown(TFormVorlane& f, TControl ImageButton::*look) {
    std::vector<std::string> names;
    for (ImageButton* button : f.ImageButtons()) {
        if ((button->*look).Visible()) {
            names.push_back((button->*look).Name());
        }
    }
    return names;
}

// The Normal picture of the button whose hover look its pointer switched on since the last
// reset, as the looks hold it.
std::vector<std::string> HoverHeld(TFormVorlane& f) {
    const ImageButton* held = f.looks().HoveredSinceReset();
    if (held == nullptr) {
        return {};
    }
    return {held->Normal.Name()};
}

using Names = std::vector<std::string>;

class ButtonLooks : public ::testing::Test {
protected:
    void SetUp() override { app.Running(); }
    // A handler that throws would only show an error box; make that a failure.
    void TearDown() override { EXPECT_TRUE(app.host.messageBoxes.shown.empty()); }

    TFormVorlane& f() { return app.f(); }
    void MoveTo(Point at, ShiftState held = {}) {
        Dispatch([&] { f().MouseMove(at.x, at.y, held); });
    }
    void MoveOver(const ImageButton& button) { MoveTo(SpotOf(f(), button)); }
    void MoveOverBackground() { MoveTo(kBackground); }
    void Press(MouseButton button, Point at) {
        const ShiftState held{button == MouseButton::Left, button == MouseButton::Right,
                              button == MouseButton::Middle};
        Dispatch([&] { f().MouseDown(button, at.x, at.y, held); });
    }
    void Release(MouseButton button, Point at) {
        Dispatch([&] { f().MouseUp(button, at.x, at.y); });
    }
    void ExpectResting() {
        EXPECT_EQ(Shown(f(), &ImageButton::Hover), Names{});
        EXPECT_EQ(Shown(f(), &ImageButton::Active), Names{});
        EXPECT_EQ(HoverHeld(f()), Names{});
        EXPECT_FALSE(app.f().looks().HoverShown());
    }

    App app;
};

std::vector<ImageButton*> RegularButtons(TFormVorlane& f) {
    return {&f.btnMinusOne, &f.btnMinusFive, &f.btnPlusOne, &f.btnPlusFive, &f.btnPlay, &f.btnStop,
            &f.btnPause,    &f.btnMinimize,  &f.btnExit,    &f.btnSetTime,  &f.btnHelp};
}

TEST_F(ButtonLooks, EachButtonHoversUntilThePointerCrossesTheBackground) {
    ExpectResting();
    for (ImageButton* button : RegularButtons(f())) {
        SCOPED_TRACE(button->Normal.Name());
        MoveOver(*button);
        EXPECT_EQ(Shown(f(), &ImageButton::Hover), Names{button->Hover.Name()});
        EXPECT_EQ(Shown(f(), &ImageButton::Active), Names{});
        EXPECT_EQ(HoverHeld(f()), Names{button->Normal.Name()});
        EXPECT_TRUE(app.f().looks().HoverShown());
        MoveOverBackground();
        ExpectResting();
    }
}

TEST_F(ButtonLooks, TheBlinkPictureResetsLikeTheBackground) {
    f().imgBackgroundBlink.Show();
    MoveOver(f().btnPlusOne);
    Press(MouseButton::Right, SpotOf(f(), f().btnPlusOne));
    MoveTo(kBlinkOnly);
    ExpectResting();
}

TEST_F(ButtonLooks, MovingStraightBetweenButtonsKeepsOneHoverLook) {
    // Each step goes from one button's picture straight onto the next, never over the
    // background; the previous button was pressed, so its pressed look must go as well.
    for (ImageButton* button : RegularButtons(f())) {
        SCOPED_TRACE(button->Normal.Name());
        MoveOver(*button);
        EXPECT_EQ(Shown(f(), &ImageButton::Hover), Names{button->Hover.Name()});
        EXPECT_EQ(Shown(f(), &ImageButton::Active), Names{});
        EXPECT_EQ(HoverHeld(f()), Names{button->Normal.Name()});
        EXPECT_TRUE(app.f().looks().HoverShown());
        Press(MouseButton::Right, SpotOf(f(), *button));
        EXPECT_EQ(Shown(f(), &ImageButton::Active), Names{button->Active.Name()});
    }
}

TEST_F(ButtonLooks, TheOpenButtonsHoverSurvivesUntilAnotherButtonsReset) {
    MoveOverBackground();
    MoveOver(f().btnOpenMP3);
    MoveOverBackground();
    // The open button keeps out of the bookkeeping, so the background resets nothing.
    EXPECT_EQ(Shown(f(), &ImageButton::Hover), Names{"btnOpenMP3Hover"});
    EXPECT_NE(f().looks().HoveredSinceReset(), &f().btnOpenMP3);
    EXPECT_FALSE(app.f().looks().HoverShown());

    // No reset runs before the next hover look either, so both are shown for a moment.
    MoveOver(f().btnMinusOne);
    EXPECT_EQ(Shown(f(), &ImageButton::Hover), (Names{"btnMinusOneHover", "btnOpenMP3Hover"}));
    MoveOverBackground();
    ExpectResting();
}

TEST_F(ButtonLooks, TheOpenButtonHidesItsNeighboursHoverButTheyStayHeld) {
    const struct {
        ImageButton& button;
        bool hidden;
    } cases[] = {
        {f().btnPause, true},     {f().btnStop, true},      {f().btnPlay, true},
        {f().btnSetTime, true},   {f().btnMinusOne, false}, {f().btnHelp, false},
        {f().btnMinimize, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button.Normal.Name());
        MoveOver(c.button);
        MoveOver(f().btnOpenMP3);
        EXPECT_TRUE(f().btnOpenMP3.Hover.Visible());
        EXPECT_EQ(c.button.Hover.Visible(), !c.hidden);
        EXPECT_EQ(HoverHeld(f()), Names{c.button.Normal.Name()});
        EXPECT_TRUE(app.f().looks().HoverShown());

        // It is still held, so coming back shows no hover look.
        MoveOver(c.button);
        EXPECT_EQ(c.button.Hover.Visible(), !c.hidden);

        // The background resets both buttons; then the hover works again.
        MoveOverBackground();
        ExpectResting();
        MoveOver(c.button);
        EXPECT_TRUE(c.button.Hover.Visible());
        MoveOverBackground();
    }
}

TEST_F(ButtonLooks, EveryHoverPictureShowsItsPressedLookForAnyMouseButton) {
    // Right presses, so that no click runs (the exit button would close the window).
    for (ImageButton* button : f().ImageButtons()) {
        SCOPED_TRACE(button->Normal.Name());
        MoveOver(*button);
        Press(MouseButton::Right, SpotOf(f(), *button));
        Release(MouseButton::Right, SpotOf(f(), *button));
        EXPECT_EQ(Shown(f(), &ImageButton::Active), Names{button->Active.Name()});
        EXPECT_TRUE(button->Hover.Visible());
        f().looks().examineVisibleObjects();
    }

    const struct {
        MouseButton mouse;
        std::int32_t secondsAfter;
    } presses[] = {
        {MouseButton::Left, 660}, // released on the spot: a click, -1 minute
        {MouseButton::Right, 720},
        {MouseButton::Middle, 720},
    };
    for (const auto& c : presses) {
        SCOPED_TRACE(static_cast<int>(c.mouse));
        app.f().countdown().SetRemainingSeconds(720);
        const Point at = SpotOf(f(), f().btnMinusOne);
        MoveOver(f().btnMinusOne);
        Press(c.mouse, at);
        EXPECT_TRUE(f().btnMinusOne.Active.Visible());
        Release(c.mouse, at);
        EXPECT_EQ(app.f().countdown().RemainingSeconds(), c.secondsAfter);
        // The click leaves the pressed look; only the reset ends it.
        EXPECT_TRUE(f().btnMinusOne.Active.Visible());
        EXPECT_TRUE(f().btnMinusOne.Hover.Visible());
        MoveOverBackground();
        ExpectResting();
    }
}

TEST_F(ButtonLooks, ReleasedOutsideTheButtonNoClickAndThePressedLookStays) {
    MoveOver(f().btnMinusOne);
    Press(MouseButton::Left, SpotOf(f(), f().btnMinusOne));
    // While the button is held the pressed picture keeps the mouse: crossing the
    // background resets nothing.
    MoveTo(kBackground, ShiftState{true, false, false});
    Release(MouseButton::Left, kBackground);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 720);
    EXPECT_TRUE(f().btnMinusOne.Active.Visible());
    EXPECT_TRUE(f().btnMinusOne.Hover.Visible());
    EXPECT_TRUE(app.f().looks().HoverShown());
    MoveOverBackground();
    ExpectResting();
}

TEST_F(ButtonLooks, TheTargetTimePressedLookSurvivesTheResetWhileSelecting) {
    // Play and pause keep theirs only while the media player plays or is paused, which
    // needs the sound device; until it exists the reset takes both away like the others.
    for (const bool selecting : {false, true}) {
        SCOPED_TRACE(selecting);
        if (selecting) {
            Dispatch([&] { f().selection().btnSelectTimeclick(nullptr); });
        }
        MoveOver(f().btnHelp);
        for (ImageButton* button : f().ImageButtons()) {
            button->Active.Show();
        }
        MoveOverBackground();
        EXPECT_EQ(Shown(f(), &ImageButton::Active),
                  selecting ? Names{"btnSetTimeActive"} : Names{});
        EXPECT_EQ(Shown(f(), &ImageButton::Hover), Names{});
        EXPECT_FALSE(app.f().looks().HoverShown());
        f().btnSetTime.Active.Hide();
    }
}

TEST_F(ButtonLooks, ThePlayingLookLiesOverThePlayButtonAndChangesNothing) {
    // Starting playback shows the play button's pressed look.
    f().btnPlay.Active.Show();
    MoveOver(f().btnMinusOne);
    MoveOver(f().btnPlay);
    EXPECT_EQ(Shown(f(), &ImageButton::Hover), Names{"btnMinusOneHover"});
    EXPECT_EQ(HoverHeld(f()), Names{"btnMinusOneNormal"});
    EXPECT_TRUE(app.f().looks().HoverShown());
}

TEST_F(ButtonLooks, AfterMinimisingTheMinimiseButtonStaysPlainUntilTheBackground) {
    MoveOver(f().btnMinimize);
    const Point at = SpotOf(f(), f().btnMinimize);
    Press(MouseButton::Left, at);
    Release(MouseButton::Left, at);
    // The click hid the window to the tray and both looks; the held hover stays.
    EXPECT_TRUE(app.application().minimized);
    EXPECT_FALSE(f().btnMinimize.Hover.Visible());
    EXPECT_FALSE(f().btnMinimize.Active.Visible());

    MoveOver(f().btnMinimize);
    EXPECT_FALSE(f().btnMinimize.Hover.Visible());
    EXPECT_EQ(HoverHeld(f()), Names{"btnMinimizeNormal"});
    EXPECT_TRUE(app.f().looks().HoverShown());
    MoveOverBackground();
    ExpectResting();
    MoveOver(f().btnMinimize);
    EXPECT_TRUE(f().btnMinimize.Hover.Visible());
}

TEST_F(ButtonLooks, LeavingTheWindowParksTheFocusOnlyWhenNoProgramWindowIsUnder) {
    for (const bool overProgram : {true, false}) {
        SCOPED_TRACE(overProgram);
        f().FocusControl(f().edtTimeMinutes);
        MoveOver(f().btnPlusFive);
        Press(MouseButton::Right, SpotOf(f(), f().btnPlusFive));
        app.application().pointerOverProgram = overProgram;
        app.host.log.calls.clear();
        Dispatch([&] { f().MouseLeave(); });
        EXPECT_EQ(f().Focused(), overProgram ? &f().edtTimeMinutes : &f().mplMediaPlayer);
        EXPECT_EQ(app.Logged("focus mplMediaPlayer"), !overProgram);
        // The looks stay as the pointer left them.
        EXPECT_EQ(Shown(f(), &ImageButton::Hover), Names{"btnPlusFiveHover"});
        EXPECT_EQ(Shown(f(), &ImageButton::Active), Names{"btnPlusFiveActive"});
        EXPECT_TRUE(app.f().looks().HoverShown());
        MoveOverBackground();
    }
}

// Which picture takes the mouse where two buttons overlap. The winners are read off the
// stacking order by hand: Normal pictures +1, +5, stop, open, pause, play, -1, -5,
// minimise, exit, target time, info; Hover pictures open, stop, pause, minimise, exit,
// play, +5, +1, -5, -1, target time, info; Active pictures minimise, exit, pause, stop,
// open, play, +5, +1, -5, -1, info, target time (each list bottom first).
TEST(ImageHitTest, OverlappingButtonsGoToTheUpperPicture) {
    using B = ImageButton TFormVorlane::*;
    const B minusOne = &TFormVorlane::btnMinusOne, minusFive = &TFormVorlane::btnMinusFive,
            plusOne = &TFormVorlane::btnPlusOne, plusFive = &TFormVorlane::btnPlusFive,
            play = &TFormVorlane::btnPlay, stop = &TFormVorlane::btnStop,
            pause = &TFormVorlane::btnPause, open = &TFormVorlane::btnOpenMP3,
            setTime = &TFormVorlane::btnSetTime, help = &TFormVorlane::btnHelp;
    const struct {
        B first;
        B second;
        Point at;
        B normalWinner;
        B hoverWinner;
        B activeWinner;
    } pairs[] = {
        {minusOne, minusFive, {30, 182}, minusFive, minusOne, minusOne},
        {minusFive, pause, {55, 150}, minusFive, minusFive, minusFive},
        {minusFive, setTime, {45, 135}, setTime, setTime, setTime},
        {plusOne, plusFive, {130, 182}, plusFive, plusOne, plusOne},
        {plusFive, stop, {115, 150}, stop, plusFive, plusFive},
        {plusFive, help, {125, 135}, help, help, help},
        {play, stop, {95, 165}, play, play, play},
        {play, pause, {75, 166}, play, play, play},
        {stop, open, {92, 140}, open, stop, open},
        {pause, open, {78, 140}, pause, pause, open},
    };
    for (const auto& c : pairs) {
        App app;
        app.Running();
        auto& f = app.f();
        ImageButton& first = f.*c.first;
        ImageButton& second = f.*c.second;
        SCOPED_TRACE(first.Normal.Name() + " / " + second.Normal.Name());
        ASSERT_TRUE(first.Normal.Bounds().Contains(c.at.x, c.at.y));
        ASSERT_TRUE(second.Normal.Bounds().Contains(c.at.x, c.at.y));

        // At rest: the upper Normal picture, and its mouse-move handler runs.
        EXPECT_EQ(f.ControlAt(c.at.x, c.at.y), &(f.*c.normalWinner).Normal);
        Dispatch([&] { f.MouseMove(c.at.x, c.at.y, ShiftState{}); });
        EXPECT_EQ(Shown(f, &ImageButton::Hover), Names{(f.*c.normalWinner).Hover.Name()});

        // Both hover looks shown: the upper Hover picture takes the press.
        first.Hover.Show();
        second.Hover.Show();
        EXPECT_EQ(f.ControlAt(c.at.x, c.at.y), &(f.*c.hoverWinner).Hover);
        Dispatch([&] {
            f.MouseDown(MouseButton::Right, c.at.x, c.at.y, ShiftState{false, true, false});
        });
        EXPECT_EQ(Shown(f, &ImageButton::Active), Names{(f.*c.hoverWinner).Active.Name()});

        // Both pressed looks shown: the upper Active picture.
        first.Active.Show();
        second.Active.Show();
        EXPECT_EQ(f.ControlAt(c.at.x, c.at.y), &(f.*c.activeWinner).Active);
        EXPECT_TRUE(app.host.messageBoxes.shown.empty());
    }
}

TEST(ImageHitTest, HiddenPicturesAreSkippedAndTheBackgroundTakesTheRest) {
    App app;
    app.Running();
    auto& f = app.f();
    EXPECT_EQ(f.ControlAt(kBackground.x, kBackground.y), &f.imgForm);
    EXPECT_EQ(f.ControlAt(kBlinkOnly.x, kBlinkOnly.y), &f.imgForm);
    EXPECT_EQ(f.ControlAt(170, 237), &f.imgForm);
    EXPECT_EQ(f.ControlAt(171, 100), nullptr);
    EXPECT_EQ(f.ControlAt(100, 238), nullptr);
    f.imgBackgroundBlink.Show();
    EXPECT_EQ(f.ControlAt(kBlinkOnly.x, kBlinkOnly.y), &f.imgBackgroundBlink);

    // A shown Hover picture lies over its own Normal picture and over the lower
    // neighbour: moving into the -1/-5 overlap keeps -1 hovered although -5's Normal
    // picture is above -1's.
    const Point minusOne = SpotOf(f, f.btnMinusOne);
    EXPECT_EQ(f.ControlAt(minusOne.x, minusOne.y), &f.btnMinusOne.Normal);
    Dispatch([&] { f.MouseMove(minusOne.x, minusOne.y, ShiftState{}); });
    EXPECT_EQ(f.ControlAt(minusOne.x, minusOne.y), &f.btnMinusOne.Hover);
    Dispatch([&] { f.MouseMove(30, 182, ShiftState{}); });
    EXPECT_EQ(Shown(f, &ImageButton::Hover), Names{"btnMinusOneHover"});
    EXPECT_EQ(HoverHeld(f), Names{"btnMinusOneNormal"});

    // Hidden again, the Hover picture no longer takes the mouse.
    Dispatch([&] { f.MouseMove(kBackground.x, kBackground.y, ShiftState{}); });
    EXPECT_EQ(f.ControlAt(minusOne.x, minusOne.y), &f.btnMinusOne.Normal);
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
}

} // namespace
} // namespace vorlane::testing
