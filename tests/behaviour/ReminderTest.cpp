// The reminder: its layouts at start-up and how postponing, the quick buttons and the
// presets change them.
#include "AppFixture.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

struct Layout {
    bool button;
    bool time;
    bool reminderLine;
    int reminderTop;
    bool soundLine;
    int soundTop;
};

Layout LayoutOf(TFormVorlane& f) {
    return Layout{f.btnTerminVerschieben.Visible(), f.edtTimeMinutes.Visible(),
                  f.edtFirstTextLine.Visible(),     f.edtFirstTextLine.Top(),
                  f.edtSecondTextLine.Visible(),    f.edtSecondTextLine.Top()};
}

void ExpectLayout(TFormVorlane& f, const Layout& want) {
    const Layout is = LayoutOf(f);
    EXPECT_EQ(is.button, want.button);
    EXPECT_EQ(is.time, want.time);
    EXPECT_EQ(is.reminderLine, want.reminderLine);
    EXPECT_EQ(is.reminderTop, want.reminderTop);
    EXPECT_EQ(is.soundLine, want.soundLine);
    EXPECT_EQ(is.soundTop, want.soundTop);
}

constexpr Layout kPlain{false, true, false, 72, true, 77};
constexpr Layout kTextWithCountdown{false, true, true, 72, true, 84};
constexpr Layout kReminder{true, false, true, 76, false, 84};
constexpr Layout kPostponed{false, true, true, 76, false, 84};

TEST(Reminder, TheStartLayoutFollowsTheTextAndTheCountdown) {
    const struct {
        std::vector<std::string> arguments;
        Layout layout;
    } cases[] = {
        {{}, kPlain},
        {{"-t0"}, kPlain},
        {{"-sTea_is_ready"}, kTextWithCountdown},
        {{"-sTea_is_ready", "-t0"}, kReminder},
        {{"-t0", "-sTea_is_ready"}, kReminder},
        {{"-t5", "-t0", "-sTea"}, kReminder},
        {{"-t0", "-t5", "-sTea"}, kTextWithCountdown},
        {{"-s", "-t0"}, kReminder}, // an empty text is a text
    };
    for (const auto& c : cases) {
        std::string name;
        for (const auto& a : c.arguments) {
            name += a + " ";
        }
        SCOPED_TRACE(name);
        App app(c.arguments);
        app.Running();
        ExpectLayout(app.f(), c.layout);
    }
    App app({"-sTea_is_ready", "-t0"});
    EXPECT_EQ(app.f().edtFirstTextLine.Text(), "Tea is ready");
    EXPECT_EQ(app.f().edtFirstTextLine.Hint(), "Tea is ready");
    app.FinishStartUp();
    EXPECT_EQ(app.f().btnTerminVerschieben.Text(), "Später erinnern?");
}

TEST(Reminder, PostponingShowsTheTimeAndKeepsTheReminderLine) {
    App app({"-t0", "-sTea_is_ready"});
    app.Running();
    app.host.clock.now = EncodeDateTime(2026, 12, 10, 10, 0, 30, 0);
    app.Tick(300);
    ASSERT_TRUE(app.f().countdown().AlarmActive());
    Dispatch([&] { app.f().btnTerminVerschieben.Click(); });
    EXPECT_TRUE(app.f().selection().Selecting());
    EXPECT_FALSE(app.f().btnTerminVerschieben.Visible());
    EXPECT_FALSE(app.f().edtFirstTextLine.Visible());
    Dispatch([&] { app.f().cmbEndTimeComboBox.TextTyped("10:15"); });
    app.Key(0x1B);
    ExpectLayout(app.f(), kPostponed);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 930);
    // When it ends again the button does not come back.
    app.f().countdown().SetRemainingSeconds(1);
    app.Tick(1000);
    app.Tick(300);
    EXPECT_TRUE(app.f().countdown().AlarmActive());
    ExpectLayout(app.f(), kPostponed);
}

TEST(Reminder, QuickButtonsAndPresetsInTheReminderLayout) {
    {
        App app({"-t0", "-sTea"});
        app.Running();
        app.Click(app.f().btnPlusFive.Normal);
        ExpectLayout(app.f(), kPostponed);
        EXPECT_EQ(app.f().countdown().RemainingSeconds(), 300);
    }
    {
        App app({"-t0", "-sTea"});
        app.Running();
        app.Click(app.f().btnMinusOne.Normal);
        ExpectLayout(app.f(), kReminder);
        EXPECT_EQ(app.f().countdown().RemainingSeconds(), 0);
    }
    {
        App app({"-t0", "-sTea"});
        app.Running();
        app.application().choose = "mnu5";
        Dispatch([&] { app.f().TrayIcon.ContextMenu(0, 0); });
        ExpectLayout(app.f(), kReminder);
        EXPECT_EQ(app.f().countdown().RemainingSeconds(), 300);
        app.Tick(1000);
        EXPECT_EQ(app.f().TrayIcon.Hint(), "04:59") << "the countdown runs unseen";
    }
}

TEST(Reminder, ATextOfVezovCountsAsNoTextAfterASelection) {
    App app({"-sVezov!"});
    app.Running();
    ExpectLayout(app.f(), kTextWithCountdown);
    Dispatch([&] { app.f().selection().btnSelectTimeclick(nullptr); });
    app.Key(0x1B);
    EXPECT_FALSE(app.f().edtFirstTextLine.Visible());
    EXPECT_TRUE(app.f().edtSecondTextLine.Visible());

    // A real text: after a selection only the reminder line is shown, for good.
    App other({"-sTea"});
    other.Running();
    Dispatch([&] { other.f().selection().btnSelectTimeclick(nullptr); });
    other.Key(0x1B);
    EXPECT_TRUE(other.f().edtFirstTextLine.Visible());
    EXPECT_FALSE(other.f().edtSecondTextLine.Visible());
}

} // namespace
} // namespace vorlane::testing
