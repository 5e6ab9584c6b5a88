// The looks of the sibling icon and the links under the mouse, and dragging the dialog, all
// through the dialog's own routing of mouse input to the topmost picture or label.
#include "InfoFixture.h"

namespace vorlane::testing {
namespace {

constexpr Color kBlue{0, 0, 255};
constexpr Color kRed{255, 0, 0};

class InfoMouse : public InfoDialog {
protected:
    void SetUp() override { dialog = &Show(); }

    bool HoverShown() const { return dialog->btnArdewayIconHover.Visible(); }
    bool ActiveShown() const { return dialog->btnArdewayIconActive.Visible(); }
    Color ArdewayLink() const { return dialog->llbArdewayLink.FontColor(); }
    Color VorlaneLink() const { return dialog->lblVorlaneLink.FontColor(); }

    TShowInfoDialog* dialog = nullptr;
};

TEST_F(InfoMouse, TheIconAndTheSiblingLinkShowTheHoverLookAndARedLink) {
    for (const TControl* over : {&dialog->btnArdewayIconNormal, &dialog->llbArdewayLink}) {
        SCOPED_TRACE(over->Name());
        MoveOnto(*dialog, *over);
        EXPECT_TRUE(HoverShown());
        EXPECT_FALSE(ActiveShown());
        EXPECT_EQ(ArdewayLink(), kRed);
        EXPECT_EQ(VorlaneLink(), kBlue);
        MoveTo(*dialog, BackgroundSpot(*dialog));
        EXPECT_FALSE(HoverShown());
        EXPECT_EQ(ArdewayLink(), kBlue);
    }
}

TEST_F(InfoMouse, OnlyTheBackgroundResetsTheLooksNotTheTextBesideTheLink) {
    MoveOnto(*dialog, dialog->llbArdewayLink);
    MoveOnto(*dialog, dialog->lblVorlaneLink);
    ASSERT_EQ(
        dialog->ControlAt(Middle(dialog->llbArdewayInfo3).x, Middle(dialog->llbArdewayInfo3).y),
        &dialog->llbArdewayInfo3);
    MoveOnto(*dialog, dialog->llbArdewayInfo3);
    EXPECT_TRUE(HoverShown());
    EXPECT_EQ(ArdewayLink(), kRed);
    EXPECT_EQ(VorlaneLink(), kRed);

    MoveTo(*dialog, BackgroundSpot(*dialog));
    EXPECT_FALSE(HoverShown());
    EXPECT_EQ(ArdewayLink(), kBlue);
    EXPECT_EQ(VorlaneLink(), kBlue);
}

TEST_F(InfoMouse, APressOnTheHoverLookShowsThePressedLookAndTheReleaseOpensThePage) {
    const Point onIcon = Middle(dialog->btnArdewayIconNormal);
    MoveTo(*dialog, onIcon);
    ASSERT_EQ(dialog->ControlAt(onIcon.x, onIcon.y), &dialog->btnArdewayIconHover);
    Press(*dialog, onIcon, MouseButton::Right);
    EXPECT_TRUE(ActiveShown());
    EXPECT_TRUE(host.shell.opened.empty()) << "only a left release clicks";

    MoveTo(*dialog, BackgroundSpot(*dialog));
    EXPECT_FALSE(ActiveShown());
    EXPECT_FALSE(HoverShown());

    MoveTo(*dialog, onIcon);
    Press(*dialog, onIcon);
    Release(*dialog, onIcon);
    using Request = headless::RecordingShell::Request;
    EXPECT_EQ(host.shell.opened, (std::vector<Request>{{"https:\\\\www.ardeway.example", ""}}));
    EXPECT_EQ(Logged("ShowInfoDialog: drag"), 0);
}

TEST_F(InfoMouse, APressOnALinkNeitherMovesTheDialogNorChangesALook) {
    MoveOnto(*dialog, dialog->llbArdewayLink);
    MoveOnto(*dialog, dialog->lblVorlaneLink);
    for (const TControl* link : {&dialog->llbArdewayLink, &dialog->lblVorlaneLink}) {
        SCOPED_TRACE(link->Name());
        for (MouseButton button : {MouseButton::Left, MouseButton::Right}) {
            Press(*dialog, Middle(*link), button);
            EXPECT_TRUE(HoverShown());
            EXPECT_FALSE(ActiveShown());
            EXPECT_EQ(ArdewayLink(), kRed);
            EXPECT_EQ(VorlaneLink(), kRed);
        }
    }
    EXPECT_EQ(Logged("ShowInfoDialog: drag"), 0);
}

TEST_F(InfoMouse, APressOnTheBackgroundOrATextMovesTheDialogWithThePointer) {
    const struct {
        const char* what;
        Point at;
        MouseButton button;
    } presses[] = {
        {"background", BackgroundSpot(*dialog), MouseButton::Left},
        {"background, right button", BackgroundSpot(*dialog), MouseButton::Right},
        {"first instruction", Middle(dialog->llbInfo11), MouseButton::Left},
        {"more information", Middle(dialog->llbInfo4), MouseButton::Left},
        {"copyright", Middle(dialog->llbInfoCopyright1), MouseButton::Left},
        {"maker", Middle(dialog->llbInfoCopyright2), MouseButton::Left},
        {"beside the sibling link", Middle(dialog->llbArdewayInfo3), MouseButton::Left},
    };
    int drags = 0;
    for (const auto& press : presses) {
        SCOPED_TRACE(press.what);
        const Point to{10 * (drags + 1), 20 * (drags + 1)};
        WindowOf(*dialog).dragTo = {to};
        Press(*dialog, press.at, press.button);
        EXPECT_EQ(Logged("ShowInfoDialog: drag"), ++drags);
        EXPECT_EQ((Point{dialog->Left(), dialog->Top()}), to);
        // The move took the mouse: the release clicks nothing.
        Release(*dialog, press.at);
    }
    EXPECT_TRUE(host.shell.opened.empty());
}

} // namespace
} // namespace vorlane::testing
