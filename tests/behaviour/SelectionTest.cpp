// Counting down to a chosen clock time: opening the list, every way of confirming it, and
// what stays as it was.
#include "AppFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

const char kTooFar[] =
    "Bitte wählen Sie einen Zeitpunkt aus, der weniger als 16 Stunden in der Zukunft liegt!";

void Focus(App& app, TControl& control) {
    Dispatch([&] { app.f().FocusControl(control); });
}
void Open(App& app) {
    Dispatch([&] { app.f().selection().btnSelectTimeclick(&app.f().btnSetTime.Normal); });
}
void TypeTarget(App& app, const std::string& text) {
    Dispatch([&] { app.f().cmbEndTimeComboBox.TextTyped(text); });
}
void SetClock(App& app, int hour, int minute, int second) {
    app.host.clock.now = EncodeDateTime(2026, 12, 10, hour, minute, second, 0);
}

class Selection : public ::testing::Test {
protected:
    void SetUp() override {
        app.Running();
        At(10, 0, 30);
    }
    TFormVorlane& f() { return app.f(); }
    void At(int hour, int minute, int second) { SetClock(app, hour, minute, second); }
    void Open() { testing::Open(app); }
    void TypeTarget(const std::string& text) { testing::TypeTarget(app, text); }
    void Focus(TControl& control) { testing::Focus(app, control); }

    App app{{"-t5"}};
};

TEST_F(Selection, OpeningShowsTheListOfQuarterHoursAndPausesTheCountdown) {
    At(10, 7, 12);
    Open();
    EXPECT_TRUE(app.f().selection().Selecting());
    EXPECT_FALSE(f().tmrCountdown.Enabled());
    EXPECT_EQ(f().cmbEndTimeComboBox.Text(), "10:07");
    const auto& items = f().cmbEndTimeComboBox.Items();
    ASSERT_EQ(items.size(), 63u);
    EXPECT_EQ(items.front(), "10:15");
    EXPECT_EQ(items.back(), "01:45");
    EXPECT_EQ(f().cmbEndTimeComboBox.ItemIndex(), -1);
    EXPECT_EQ(f().Focused(), &f().cmbEndTimeComboBox);
    for (TControl* shown : {&f().cmbEndTimeComboBox, &f().btnTimeSelectionOkay,
                            &f().btnSetTime.Active, &f().edtHinweiseLabel}) {
        EXPECT_TRUE(shown->Visible()) << shown->Name();
    }
    EXPECT_EQ(f().edtHinweiseLabel.Text(), "Zielzeit:");
    for (TControl* hidden : {&f().edtTimeMinutes, &f().edtTimeColon, &f().edtTimeSeconds,
                             &f().edtFirstTextLine, &f().edtSecondTextLine}) {
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    }
    // The quick buttons wait; a second opening does nothing.
    const std::int32_t before = app.f().countdown().RemainingSeconds();
    app.Click(f().btnPlusFive.Normal);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), before);
    Open();
    EXPECT_EQ(f().cmbEndTimeComboBox.Items().size(), 63u);
}

// What the native list is told while the selection opens, with what the list holds and
// whether it has the focus at that moment: the native side puts the caret where the latest
// text leaves it, so the whole text must be selected after the last text and list came.
class ListPeer : public ControlPeer {
public:
    explicit ListPeer(TFormVorlane& form) : form_(form) {
        form_.cmbEndTimeComboBox.AttachPeer(this);
    }
    ~ListPeer() override { form_.cmbEndTimeComboBox.AttachPeer(nullptr); }
    ListPeer(const ListPeer&) = delete;
    ListPeer& operator=(const ListPeer&) = delete;

    void Changed(TControl& list, Change what) override {
        if (what == Change::Text || what == Change::Items) {
            seen.push_back("text " + list.Text());
        } else if (what == Change::SelectAll) {
            seen.push_back("select all " + list.Text() +
                           (form_.Focused() == &list ? " (focused)" : " (not focused)"));
        }
    }
    std::vector<std::string> seen;

private:
    TFormVorlane& form_;
};

TEST_F(Selection, OpeningSelectsTheShownTimeAsAWholeSoTypingReplacesIt) {
    At(18, 42, 10);
    ListPeer list(f());
    Dispatch([&] { f().edtTimeColon.Click(); });
    ASSERT_FALSE(list.seen.empty());
    EXPECT_EQ(list.seen.back(), "select all 18:42 (focused)");
    EXPECT_TRUE(f().cmbEndTimeComboBox.AllSelected());
    // What the user then types is the whole text: 7 and Enter count down to 07:00.
    TypeTarget("7");
    Dispatch([&] { f().cmbEndTimeComboBox.KeyPress(13); });
    EXPECT_EQ(f().cmbEndTimeComboBox.Text(), "07:00");
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), (12 * 60 + 18) * 60 - 10 + 60);
}

TEST(SelectionWays, EveryWayOutConfirmsOnce) {
    const struct {
        const char* way;
        std::function<void(App&)> leave;
    } ways[] = {
        {"OK",
         [](App& a) {
             Focus(a, a.f().btnTimeSelectionOkay); // the press takes the focus first
             Dispatch([&] { a.f().btnTimeSelectionOkay.Click(); });
         }},
        {"Enter", [](App& a) { Dispatch([&] { a.f().cmbEndTimeComboBox.KeyPress(13); }); }},
        {"Escape", [](App& a) { a.Key(0x1B); }},
        {"set-time button", [](App& a) { a.Click(a.f().btnSetTime.Active); }},
        {"another field", [](App& a) { Focus(a, a.f().edtTimeMinutes); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        for (const auto& [typed, remaining, box] :
             {std::tuple{"10:15", 930, false}, std::tuple{"09:59", 5 * 60, true}}) {
            SCOPED_TRACE(typed);
            App a({"-t5"});
            a.Running();
            SetClock(a, 10, 0, 30);
            Open(a);
            TypeTarget(a, typed);
            way.leave(a);
            EXPECT_FALSE(a.f().selection().Selecting());
            EXPECT_EQ(a.f().countdown().RemainingSeconds(), remaining);
            EXPECT_FALSE(a.window().closed);
            EXPECT_FALSE(a.f().cmbEndTimeComboBox.Visible());
            EXPECT_FALSE(a.f().btnTimeSelectionOkay.Visible());
            EXPECT_FALSE(a.f().btnSetTime.Active.Visible());
            EXPECT_TRUE(a.f().edtTimeMinutes.Visible());
            EXPECT_TRUE(a.f().edtSecondTextLine.Visible());
            // A rejected time says so once, whichever way the user left.
            EXPECT_EQ(a.host.messageBoxes.shown.size(), box ? 1u : 0u);
            if (box) {
                EXPECT_EQ(a.host.messageBoxes.shown[0].text, kTooFar);
                EXPECT_EQ(a.host.messageBoxes.shown[0].caption, "Fehler");
            }
        }
    }
}

TEST_F(Selection, TheTimeSpentSelectingIsNotCounted) {
    Open();
    app.TimePasses(60000);
    TypeTarget("10:15");
    Dispatch([&] { f().cmbEndTimeComboBox.KeyPress(13); });
    // At 10:01:30 the countdown ends at 10:16:00.
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 14 * 60 + 30);
    app.Tick(1000);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 14 * 60 + 29);
}

TEST_F(Selection, AnUnchangedTextKeepsThePresetChosenMeanwhile) {
    Open();
    app.application().choose = "mnu15";
    Dispatch([&] { f().TrayIcon.ContextMenu(0, 0); });
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 900);
    app.Key(0x1B);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 900);
    // A changed text replaces it.
    Open();
    TypeTarget("1015");
    app.Key(0x1B);
    EXPECT_EQ(f().cmbEndTimeComboBox.Text(), "10:15");
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 930);
}

TEST_F(Selection, TheLatestAcceptedTargetIsNineHundredSixtyOneMinutesAhead) {
    At(8, 0, 20);
    for (const auto& [typed, accepted] : {std::pair{"00:01", true}, std::pair{"00:02", false}}) {
        SCOPED_TRACE(typed);
        app.f().countdown().SetRemainingSeconds(300);
        Open();
        TypeTarget(typed);
        app.Key(0x1B);
        EXPECT_EQ(app.f().countdown().RemainingSeconds(), accepted ? 961 * 60 - 20 + 60 : 300);
    }
    EXPECT_EQ(app.host.messageBoxes.shown.size(), 1u);
}

TEST_F(Selection, OpenedFromATimeFieldTheCountdownStaysPaused) {
    Focus(f().edtTimeMinutes);
    ASSERT_FALSE(f().tmrCountdown.Enabled());
    app.application().choose = "mnuSelectTime";
    Dispatch([&] { f().TrayIcon.ContextMenu(0, 0); });
    EXPECT_TRUE(app.f().selection().Selecting());
    EXPECT_FALSE(f().tmrCountdown.Enabled());
    EXPECT_TRUE(f().edtHinweiseLabel.Visible());
    EXPECT_EQ(f().edtHinweiseLabel.Text(), "Zielzeit:");
}

TEST_F(Selection, LettersNeverReachTheListsTextButEverythingElseDoes) {
    Open();
    for (char16_t key : {u'a', u'Z', u'q'}) {
        char16_t passed = 1;
        Dispatch([&] { passed = f().cmbEndTimeComboBox.KeyPress(key); });
        EXPECT_EQ(passed, 0);
    }
    for (char16_t key : {u'1', u':', u'.', u' ', u'\u00e4'}) {
        char16_t passed = 0;
        Dispatch([&] { passed = f().cmbEndTimeComboBox.KeyPress(key); });
        EXPECT_EQ(passed, key);
    }
}

TEST_F(Selection, OpeningDuringTheAlarmStopsTheSoundAndAnUnchangedTextKeepsZero) {
    App alarm({"-t0"});
    alarm.OpenSound();
    alarm.Running();
    alarm.host.clock.now = EncodeDateTime(2026, 12, 10, 10, 0, 30, 0);
    alarm.Tick(300);
    ASSERT_TRUE(alarm.f().countdown().AlarmActive());
    ASSERT_TRUE(alarm.f().sound().Playing()) << "the alarm plays the sound";
    Dispatch([&] { alarm.f().selection().btnSelectTimeclick(nullptr); });
    EXPECT_FALSE(alarm.f().sound().Playing());
    alarm.Key(0x1B);
    EXPECT_EQ(alarm.f().countdown().RemainingSeconds(), 0);
    EXPECT_EQ(alarm.Display(), "00:00");
}

} // namespace
} // namespace vorlane::testing
