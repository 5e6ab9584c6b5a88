// Typing minutes and seconds into the display: when a value is taken, what is ignored, and
// the input rules of the display's fields.
#include "AppFixture.h"

#include <gtest/gtest.h>

#include <utility>

namespace vorlane::testing {
namespace {

class TimeEntry : public ::testing::Test {
protected:
    void SetUp() override { app.Running(); }

    TFormVorlane& f() { return app.f(); }
    void Focus(TControl& control) {
        Dispatch([&] { f().FocusControl(control); });
    }
    // The user clicks into a field, types the text, and leaves it for the background.
    void Type(TControl& field, const std::string& text) {
        Focus(field);
        Dispatch([&] { field.Click(); });
        Dispatch([&] { field.TextTyped(text); });
    }
    void Leave() { Focus(f().mplMediaPlayer); }
    char16_t Press(TControl& field, char16_t key) {
        char16_t passed = 0;
        Dispatch([&] { passed = field.KeyPress(key); });
        return passed;
    }

    App app{{"-t5"}};
};

TEST_F(TimeEntry, AFieldWithTheFocusStopsTheTicksAndItsValueCountsFromLeaving) {
    Focus(f().edtTimeMinutes);
    EXPECT_FALSE(f().tmrCountdown.Enabled());
    EXPECT_TRUE(f().edtHinweiseLabel.Visible());
    EXPECT_EQ(f().edtHinweiseLabel.Text(), "Minuten:");
    Dispatch([&] { f().edtTimeMinutes.Click(); });
    EXPECT_TRUE(f().edtTimeMinutes.AllSelected());
    Dispatch([&] { f().edtTimeMinutes.TextTyped("42"); });
    app.TimePasses(10000); // ten seconds of typing
    Leave();
    EXPECT_TRUE(f().tmrCountdown.Enabled());
    EXPECT_FALSE(f().edtHinweiseLabel.Visible());
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 42 * 60);
    app.Tick(1000);
    EXPECT_EQ(app.Display(), "41:59");

    // The seconds field has its own label.
    Focus(f().edtTimeSeconds);
    EXPECT_EQ(f().edtHinweiseLabel.Text(), "Sekunden:");
}

TEST_F(TimeEntry, TheSameValueAppliesNothingAndTheTimeInTheFieldIsStillCounted) {
    const std::int32_t before = app.f().countdown().RemainingSeconds();
    Type(f().edtTimeMinutes, "5"); // the field showed 05
    app.TimePasses(20000);
    Leave();
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), before);
    app.Tick(300);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), before - 20);
}

// Each field is compared with its own value from entering: 05:00, the minutes looked at and
// left, then 5 typed into the seconds is 05:05.
TEST_F(TimeEntry, ASecondsValueEqualToTheMinutesIsTaken) {
    Type(f().edtTimeMinutes, "5");
    Type(f().edtTimeSeconds, "5");
    Leave();
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 5 * 60 + 5);
}

TEST_F(TimeEntry, MinutesAndSecondsTakeTheirLimits) {
    const struct {
        const char* minutes;
        const char* seconds;
        bool typeSeconds;
        std::int32_t remaining;
    } cases[] = {
        {"999", "", false, 999 * 60 + 59}, // 999 minutes with the 59 seconds shown
        {"1000", "", false, -1},           // ignored
        {"-1", "", false, -1},             // ignored
        {"", "75", true, 4 * 60 + 59},     // seconds above 59 are 59
        {"", "", true, -1},                // an emptied field is ignored
        {"", "$1E", true, 4 * 60 + 30},    // the one conversion of the program: hexadecimal
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.minutes) + "/" + c.seconds);
        App fresh({"-t5"});
        fresh.Running();
        TFormVorlane& g = fresh.f();
        fresh.TimePasses(1000);
        fresh.Tick(0); // 04:59 shown
        const std::int32_t before = fresh.f().countdown().RemainingSeconds();
        TControl& field = c.typeSeconds ? g.edtTimeSeconds : g.edtTimeMinutes;
        Dispatch([&] { g.FocusControl(field); });
        Dispatch([&] { field.TextTyped(c.typeSeconds ? c.seconds : c.minutes); });
        Dispatch([&] { g.FocusControl(g.mplMediaPlayer); });
        EXPECT_EQ(fresh.f().countdown().RemainingSeconds(), c.remaining < 0 ? before : c.remaining);
        EXPECT_TRUE(g.tmrCountdown.Enabled());
    }
}

// Whatever the other field still holds when a value is taken: the user types into one field,
// clicks the other (no tick comes between), types there and presses Enter.
TEST(TimeEntryLimits, HoldWhicheverWayAFieldIsLeft) {
    constexpr std::int32_t kShown = 4 * 60 + 58; // 04:58 when the user starts typing
    const struct {
        bool secondsFirst;
        const char* first;
        const char* second;
        std::int32_t remaining;
    } cases[] = {
        {true, "90", "2", 2 * 60 + 59}, // the seconds left at 90 count as 59
        {true, "59", "2", 2 * 60 + 59},
        {true, "60", "2", 2 * 60 + 59},
        {true, "61", "2", 2 * 60 + 59},
        {false, "2", "59", 2 * 60 + 59},
        {false, "2", "60", 2 * 60 + 59},
        {false, "2", "61", 2 * 60 + 59},
        {false, "999", "75", 999 * 60 + 59},
        {false, "0", "0", 0},
        {false, "1000", "30", kShown}, // minutes above 999 are not taken from either field
        {false, "5000", "28", kShown},
        {false, "35791394", "59", kShown}, // times 60 beyond what 32 bits hold
        {false, "99999999999", "59", kShown},
        {true, "2147483647", "2", 2 * 60 + 59}, // no sum can overflow
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.secondsFirst ? "seconds " : "minutes ") + c.first + ", then " +
                     c.second);
        App app({"-t5"});
        app.Running();
        TFormVorlane& f = app.f();
        app.Tick(2000);
        ASSERT_EQ(app.Display(), "04:58");
        TControl& first = c.secondsFirst ? f.edtTimeSeconds : f.edtTimeMinutes;
        TControl& second = c.secondsFirst ? f.edtTimeMinutes : f.edtTimeSeconds;
        for (auto [field, text] : {std::pair{&first, c.first}, std::pair{&second, c.second}}) {
            // The click into the field takes the focus from the other one and selects the text.
            Dispatch([&] { f.FocusControl(*field); });
            Dispatch([&] { field->Click(); });
            Dispatch([&] { field->TextTyped(text); });
        }
        Dispatch([&] { second.KeyPress(13); });
        EXPECT_EQ(app.f().countdown().RemainingSeconds(), c.remaining);
        app.Tick(0);
        EXPECT_GE(app.f().countdown().RemainingSeconds(), 0);
        EXPECT_LE(app.f().countdown().RemainingSeconds(), 59999);
    }
}

TEST_F(TimeEntry, ZeroRaisesTheAlarmAndANewValueEndsIt) {
    app.OpenSound();
    Type(f().edtTimeMinutes, "0");
    Type(f().edtTimeSeconds, "0");
    Leave();
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 0);
    app.Tick(300);
    EXPECT_TRUE(app.f().countdown().AlarmActive());
    EXPECT_TRUE(app.window().topmost);
    ASSERT_TRUE(app.f().sound().Playing()) << "the alarm plays the sound";
    Type(f().edtTimeMinutes, "3");
    Leave();
    EXPECT_FALSE(app.f().sound().Playing()) << "the entry stopped the sound";
    app.Tick(300);
    EXPECT_FALSE(app.f().countdown().AlarmActive());
    EXPECT_EQ(app.Display(), "03:00");
}

TEST_F(TimeEntry, OnlyDigitsAndBackspaceReachAFieldAndEnterCommits) {
    for (TControl* field : {&f().edtTimeMinutes, &f().edtTimeSeconds}) {
        for (char16_t key : {u'0', u'5', u'9', char16_t{8}}) {
            EXPECT_EQ(Press(*field, key), key);
        }
        for (char16_t key : {u'a', u' ', u'-', u'+', u':', char16_t{0x16}, char16_t{0x03},
                             char16_t{0x01}, u'\u00e4', char16_t{0xD83D}}) {
            EXPECT_EQ(Press(*field, key), 0) << static_cast<int>(key);
        }
    }
    Focus(f().edtTimeMinutes);
    Dispatch([&] { f().edtTimeMinutes.TextTyped("17"); });
    EXPECT_EQ(Press(f().edtTimeMinutes, 13), 0) << "Enter is not typed";
    EXPECT_EQ(f().Focused(), &f().mplMediaPlayer);
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), 17 * 60 + 0);
}

TEST_F(TimeEntry, PastedTextThatIsNoNumberIsIgnoredWithoutAMessage) {
    const std::int32_t before = app.f().countdown().RemainingSeconds();
    Focus(f().edtTimeMinutes);
    Dispatch([&] { f().edtTimeMinutes.TextTyped("zwölf"); }); // Shift+Insert passes no filter
    Leave();
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), before);
    Focus(f().edtTimeSeconds);
    Dispatch([&] { f().edtTimeSeconds.TextTyped(std::string(10000, '7')); });
    Leave();
    EXPECT_EQ(app.f().countdown().RemainingSeconds(), before);
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
}

TEST_F(TimeEntry, NoFieldOpensAContextMenuAndTheReminderLineGivesUpTheFocus) {
    for (TControl* field : {&f().edtTimeMinutes, &f().edtTimeSeconds, &f().edtTimeColon,
                            &f().edtFirstTextLine, &f().edtSecondTextLine}) {
        bool handled = false;
        Dispatch([&] { handled = field->ContextPopup(3, 3); });
        EXPECT_TRUE(handled) << field->Name();
    }
    Focus(f().edtFirstTextLine);
    Dispatch([&] { f().edtFirstTextLine.Click(); });
    EXPECT_EQ(f().Focused(), &f().mplMediaPlayer);
}

TEST_F(TimeEntry, EscapeInAFieldEndsTheProgram) {
    Focus(f().edtTimeMinutes);
    app.Key(0x1B);
    EXPECT_TRUE(app.window().closed);
}

} // namespace
} // namespace vorlane::testing
