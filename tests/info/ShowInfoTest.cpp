// Making, placing and showing the info dialog, and closing it.
#include "InfoFixture.h"

#include "assets/ResourceIds.h"
#include "platform/Keys.h"

namespace vorlane::testing {
namespace {

struct Placement {
    int screenWidth;
    int screenHeight;
    int left;
    int top;
};

void PrintTo(const Placement& value, std::ostream* out) {
    *out << value.screenWidth << " x " << value.screenHeight;
}

class InfoPlacement : public InfoDialog, public ::testing::WithParamInterface<Placement> {};

TEST_P(InfoPlacement, IsCentredOnThePrimaryScreenHalvesToEven) {
    const Placement& expected = GetParam();
    host.screen.width = expected.screenWidth;
    host.screen.height = expected.screenHeight;
    TShowInfoDialog& dialog = Show();
    EXPECT_EQ(dialog.Left(), expected.left);
    EXPECT_EQ(dialog.Top(), expected.top);
    EXPECT_EQ(dialog.Width(), 483);
    EXPECT_EQ(dialog.Height(), 456);
    EXPECT_TRUE(Logged("ShowInfoDialog: bounds " + std::to_string(expected.left) + "," +
                       std::to_string(expected.top) + ",483,456"));
}

// 718.5 and 398.5 round down to the even neighbour, 441.5 rounds up.
INSTANTIATE_TEST_SUITE_P(Screens, InfoPlacement,
                         ::testing::Values(Placement{1920, 1080, 718, 312},
                                           Placement{1280, 1024, 398, 284},
                                           Placement{1366, 768, 442, 156}));

TEST_F(InfoDialog, ShowInfoKeepsTheRequestAndShowsTheDialogInFront) {
    TShowInfoDialog& dialog = Show("DEUTSCH", "2.9 Deutsch (64bit)");
    EXPECT_EQ(module.InfoLanguage, "DEUTSCH");
    EXPECT_EQ(module.InfoVersionText, "2.9 Deutsch (64bit)");
    EXPECT_EQ(WindowOf(dialog).caption, "Vorlane Version 2.9 Deutsch (64bit)");
    EXPECT_TRUE(WindowOf(dialog).visible);
    EXPECT_TRUE(Logged("hints 400 25000"));
    EXPECT_TRUE(Logged("ShowInfoDialog: show"));
}

TEST_F(InfoDialog, HasAFixedFrameWithItsOwnIconAndNoTaskbarButton) {
    const headless::RecordingWindow& window = WindowOf(Show());
    EXPECT_EQ(window.params.className, "TShowInfoDialog");
    EXPECT_EQ(window.params.border, FormBorder::Dialog);
    EXPECT_EQ(window.params.icon, VORLANE_ICON_INFO);
    EXPECT_FALSE(window.params.appWindow);
    EXPECT_FALSE(window.params.toolWindow);
    EXPECT_FALSE(window.topmost);
}

TEST_F(InfoDialog, PicturesLieUnderTheLabelsAndTheIconLooksShareOneRectangle) {
    TShowInfoDialog& dialog = Show();
    const std::vector<TControl*> stack = dialog.GraphicsBottomUp();
    ASSERT_EQ(stack.size(), 26U);
    const std::vector<TControl*> pictures(stack.begin(), stack.begin() + 4);
    EXPECT_EQ(pictures,
              (std::vector<TControl*>{&dialog.imgBackground, &dialog.btnArdewayIconNormal,
                                      &dialog.btnArdewayIconHover, &dialog.btnArdewayIconActive}));
    for (const TControl* picture : pictures) {
        EXPECT_EQ(picture->Picture, picture->Name());
    }
    for (auto it = stack.begin() + 4; it != stack.end(); ++it) {
        EXPECT_EQ((*it)->Kind(), ControlKind::Label) << (*it)->Name();
        EXPECT_TRUE((*it)->AutoSize) << (*it)->Name();
    }
    for (const TControl* look : {&dialog.btnArdewayIconNormal, &dialog.btnArdewayIconHover,
                                 &dialog.btnArdewayIconActive}) {
        EXPECT_EQ(look->Bounds(), (Rect{390, 310, 77, 90})) << look->Name();
    }
    EXPECT_TRUE(dialog.btnArdewayIconNormal.Visible());
    EXPECT_FALSE(dialog.btnArdewayIconHover.Visible());
    EXPECT_FALSE(dialog.btnArdewayIconActive.Visible());
    // The background takes input over the whole client area.
    EXPECT_EQ(dialog.ControlAt(476, 420), &dialog.imgBackground);
}

struct LabelLook {
    TControl TShowInfoDialog::*label;
    int left;
    int top;
    int points;
    Color color;
    bool underline;
};

TEST_F(InfoDialog, LabelsSitWhereTheDialogWasDesignedInVerdana) {
    TShowInfoDialog& dialog = Show();
    constexpr Color black{0, 0, 0};
    constexpr Color blue{0, 0, 255};
    constexpr Color grey{128, 128, 128};
    const LabelLook looks[] = {
        {&TShowInfoDialog::llbInfo11, 7, 9, 7, black, false},
        {&TShowInfoDialog::llbInfo23, 7, 108, 7, black, false},
        {&TShowInfoDialog::llbInfo24, 7, 120, 7, black, false},
        {&TShowInfoDialog::llbInfo25, 7, 134, 7, black, false},
        {&TShowInfoDialog::llbInfo26, 7, 150, 7, black, false},
        {&TShowInfoDialog::llbInfo32, 7, 193, 7, black, false},
        {&TShowInfoDialog::llbInfo4, 12, 225, 7, black, false},
        {&TShowInfoDialog::lblVorlaneLink, 178, 225, 7, blue, true},
        {&TShowInfoDialog::llbInfoCopyright1, 262, 266, 6, grey, false},
        {&TShowInfoDialog::llbInfoCopyright2, 262, 278, 6, grey, false},
        {&TShowInfoDialog::llbArdewayInfo1, 21, 340, 6, black, false},
        {&TShowInfoDialog::llbArdewayLink, 21, 364, 6, blue, true},
        {&TShowInfoDialog::llbArdewayInfo3, 152, 364, 6, black, false},
        {&TShowInfoDialog::llbArdewayInfo5, 21, 388, 6, black, false},
    };
    for (const LabelLook& look : looks) {
        const TControl& label = dialog.*look.label;
        SCOPED_TRACE(label.Name());
        EXPECT_EQ(label.Left(), look.left);
        EXPECT_EQ(label.Top(), look.top);
        EXPECT_EQ(label.GetFont(), (Font{"Verdana", look.points, false, look.underline}));
        EXPECT_EQ(label.FontColor(), look.color);
    }
}

TEST_F(InfoDialog, TheStartUpDialogIsMadeButNeverShown) {
    TShowInfoDialog& startUp = module.MakeDialog();
    EXPECT_EQ(module.ShowInfoDialog, &startUp);
    EXPECT_EQ(host.application.WindowOf(startUp), nullptr) << "no window for a dialog never shown";

    TShowInfoDialog& shown = Show();
    EXPECT_NE(&shown, &startUp);
    EXPECT_TRUE(WindowOf(shown).visible);
    EXPECT_EQ(host.application.WindowOf(startUp), nullptr);
    EXPECT_EQ(Logged("ShowInfoDialog: show"), 1);
}

TEST_F(InfoDialog, ASecondRequestOpensASecondDialogOverTheFirst) {
    TShowInfoDialog& first = Show();
    TShowInfoDialog& second = Show();
    EXPECT_NE(&first, &second);
    EXPECT_EQ(module.ShowInfoDialog, &second);
    EXPECT_TRUE(WindowOf(first).visible);
    EXPECT_TRUE(WindowOf(second).visible);
    EXPECT_EQ((Point{first.Left(), first.Top()}), (Point{second.Left(), second.Top()}));
}

struct KeyCase {
    std::uint16_t key;
    bool closes;
};

void PrintTo(const KeyCase& value, std::ostream* out) {
    *out << "key " << value.key;
}

class InfoKeys : public InfoDialog, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(InfoKeys, EnterAndEscapeCloseTheDialogByHidingIt) {
    TShowInfoDialog& dialog = Show();
    dialog.KeyDown(GetParam().key, ShiftState{});
    EXPECT_EQ(WindowOf(dialog).closed, GetParam().closes);
    EXPECT_EQ(WindowOf(dialog).visible, !GetParam().closes);
    EXPECT_FALSE(host.application.terminated);
}

INSTANTIATE_TEST_SUITE_P(Keys, InfoKeys,
                         ::testing::Values(KeyCase{keys::kReturn, true},
                                           KeyCase{keys::kEscape, true},
                                           KeyCase{keys::kSpace, false},
                                           KeyCase{keys::kF1, false}));

TEST_F(InfoDialog, ClosingOneDialogLeavesTheOtherOpen) {
    TShowInfoDialog& first = Show();
    TShowInfoDialog& second = Show();
    first.closeDialog(&first);
    EXPECT_FALSE(WindowOf(first).visible);
    EXPECT_TRUE(WindowOf(second).visible);
}

// Opening the dialog again and again must not pile up closed dialogs: each one closed is let
// go when the next one opens, and an open one is kept.
TEST_F(InfoDialog, AClosedDialogIsLetGoWhenTheNextOneOpens) {
    TShowInfoDialog& open = Show();
    headless::RecordingWindow& openWindow = WindowOf(open);
    TShowInfoDialog& closing = Show();
    headless::RecordingWindow& closedWindow = WindowOf(closing);
    closing.KeyDown(keys::kEscape, ShiftState{});
    ASSERT_TRUE(closedWindow.closed);
    EXPECT_FALSE(closedWindow.modelDestroyed) << "let go before another dialog is needed";

    const TShowInfoDialog& next = Show();
    EXPECT_TRUE(closedWindow.modelDestroyed);
    EXPECT_FALSE(openWindow.modelDestroyed);
    EXPECT_TRUE(openWindow.visible);
    EXPECT_EQ(module.ShowInfoDialog, &next);
    EXPECT_TRUE(WindowOf(next).visible);
}

} // namespace
} // namespace vorlane::testing
