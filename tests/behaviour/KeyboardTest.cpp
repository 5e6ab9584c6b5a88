// The main window's keys: each does what a click on its button does, and none of them acts
// while a time field has the focus.
#include "AppFixture.h"
#include "platform/Keys.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

// Everything a key or a click can change that the user or the system sees.
struct Outcome {
    std::vector<std::string> calls;
    std::int32_t remaining;
    std::string display;
    bool alarm;
    bool playing;
    MediaMode mode;
    bool selecting;
    size_t dialogs;
    bool minimized;
    bool visible;
    std::vector<std::string> shownPictures;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

Outcome OutcomeSince(App& app, size_t firstCall) {
    Outcome outcome{
        {app.host.log.calls.begin() + static_cast<long>(firstCall), app.host.log.calls.end()},
        app.f().countdown().RemainingSeconds(),
        app.Display(),
        app.f().countdown().AlarmActive(),
        app.f().sound().Playing(),
        app.host.mediaPlayer.mode,
        app.f().selection().Selecting(),
        app.host.fileDialog.shown.size(),
        app.application().minimized,
        app.window().visible,
        {}};
    for (TControl* control : app.f().GraphicsBottomUp()) {
        if (control->Visible()) {
            outcome.shownPictures.push_back(control->Name());
        }
    }
    return outcome;
}

std::string Describe(const Outcome& o) {
    std::string text =
        std::to_string(o.remaining) + " " + o.display + (o.alarm ? " alarm" : "") +
        (o.playing ? " playing" : "") + " mode " + std::to_string(static_cast<int>(o.mode)) +
        (o.selecting ? " selecting" : "") + " dialogs " + std::to_string(o.dialogs) +
        (o.minimized ? " minimized" : "") + (o.visible ? " visible" : " hidden") + " calls:";
    for (const std::string& call : o.calls) {
        text += " [" + call + "]";
    }
    text += " pictures:";
    for (const std::string& name : o.shownPictures) {
        text += " " + name;
    }
    return text;
}

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << Describe(outcome);
}

// The situations a key is tried in, each made the same way on two programs.
const std::function<void(App&)> kCounting = [](App& app) { app.Running(); };
const std::function<void(App&)> kSoundReady = [](App& app) {
    app.OpenSound();
    app.Running();
};
const std::function<void(App&)> kSoundPlaying = [](App& app) {
    app.OpenSound();
    app.Running();
    app.Click(app.f().btnPlay.Normal);
};
const std::function<void(App&)> kSoundPaused = [](App& app) {
    kSoundPlaying(app);
    app.Click(app.f().btnPause.Normal);
};
const std::function<void(App&)> kAlarmRinging = [](App& app) {
    app.host.files.AddFile("C:\\Musik\\Wecker.mp3", "");
    Dispatch([&] { app.f().sound().WMDropFiles(app.form.get(), {"C:\\Musik\\Wecker.mp3"}); });
    app.f().countdown().SetRemainingSeconds(1);
    app.Running();
    app.Tick(1000); // down to zero
    app.Tick(300);  // the alarm rings
};
const std::function<void(App&)> kSelecting = [](App& app) {
    app.Running();
    app.Click(app.f().btnSetTime.Normal);
};
const std::function<void(App&)> kNearTheLimit = [](App& app) {
    app.f().countdown().SetRemainingSeconds(59700);
    app.Running();
};

TEST(Keys, EachKeyGivesTheResultOfItsButton) {
    using K = std::uint16_t;
    const struct {
        const char* name;
        const std::function<void(App&)>& situation;
        K key;
        // The click whose result the key must give.
        std::function<void(App&)> reference;
    } cases[] = {
        {"Up", kCounting, keys::kUp, [](App& a) { a.Click(a.f().btnPlusOne.Normal); }},
        {"Down", kCounting, keys::kDown, [](App& a) { a.Click(a.f().btnMinusOne.Normal); }},
        {"PageUp", kCounting, keys::kPageUp, [](App& a) { a.Click(a.f().btnPlusFive.Normal); }},
        {"PageDown", kCounting, keys::kPageDown,
         [](App& a) { a.Click(a.f().btnMinusFive.Normal); }},
        {"PageUp at the limit", kNearTheLimit, keys::kPageUp,
         [](App& a) { a.Click(a.f().btnPlusFive.Normal); }},
        {"Up during the alarm", kAlarmRinging, keys::kUp,
         [](App& a) { a.Click(a.f().btnPlusOne.Normal); }},
        {"Down during the alarm", kAlarmRinging, keys::kDown,
         [](App& a) { a.Click(a.f().btnMinusOne.Normal); }},
        {"Space with a sound ready", kSoundReady, keys::kSpace,
         [](App& a) { a.Click(a.f().btnPlay.Normal); }},
        {"Space while playing", kSoundPlaying, keys::kSpace,
         [](App& a) { a.Click(a.f().btnPause.Normal); }},
        {"Space while paused", kSoundPaused, keys::kSpace,
         [](App& a) { a.Click(a.f().btnPause.Normal); }},
        {"Space during the alarm", kAlarmRinging, keys::kSpace,
         [](App& a) { a.Click(a.f().btnPause.Normal); }},
        {"S while playing", kSoundPlaying, keys::kS, [](App& a) { a.Click(a.f().btnStop.Normal); }},
        {"S during the alarm", kAlarmRinging, keys::kS,
         [](App& a) { a.Click(a.f().btnStop.Normal); }},
        {"O", kCounting, keys::kO, [](App& a) { a.Click(a.f().btnOpenMP3.Normal); }},
        {"Z", kCounting, keys::kZ, [](App& a) { a.Click(a.f().btnSetTime.Normal); }},
        {"M", kCounting, keys::kM, [](App& a) { a.Click(a.f().btnMinimize.Normal); }},
        // At zero the minimise button leaves the window where the alarm is seen.
        {"M during the alarm", kAlarmRinging, keys::kM,
         [](App& a) { a.Click(a.f().btnMinimize.Normal); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App clicked;
        c.situation(clicked);
        const size_t clickedFrom = clicked.host.log.calls.size();
        const Outcome clickedBefore = OutcomeSince(clicked, clickedFrom);
        c.reference(clicked);
        const Outcome expected = OutcomeSince(clicked, clickedFrom);

        App keyed;
        c.situation(keyed);
        const size_t keyedFrom = keyed.host.log.calls.size();
        const Outcome keyedBefore = OutcomeSince(keyed, keyedFrom);
        EXPECT_FALSE(keyed.Key(c.key)) << "the key is taken, not passed to the focused control";
        const Outcome got = OutcomeSince(keyed, keyedFrom);
        EXPECT_EQ(got, expected);
        // Where the click changes something (not at a limit), so must the key.
        EXPECT_EQ(got == keyedBefore, expected == clickedBefore);
    }
}

// Escape ends the program as the exit button does, also when the window cannot be closed.
TEST(Keys, EscapeEndsTheProgramAsTheExitButtonDoes) {
    const std::function<void(App&)> endings[] = {
        [](App& a) { a.Click(a.f().btnExit.Normal); },
        [](App& a) { a.Key(keys::kEscape); },
    };
    std::vector<std::vector<std::string>> boxes;
    for (const auto& end : endings) {
        App app;
        app.Running();
        app.host.log.failOn = "close";
        end(app);
        boxes.emplace_back();
        for (const headless::ShownBox& box : app.host.messageBoxes.shown) {
            boxes.back().push_back(box.text);
        }
    }
    EXPECT_EQ(boxes[0], std::vector<std::string>{"Es ist ein Fehler beim Beenden aufgetreten!"});
    EXPECT_EQ(boxes[1], boxes[0]);
}

TEST(Keys, NoKeyActsWhileATimeFieldHasTheFocus) {
    const std::uint16_t all[] = {keys::kUp,       keys::kDown,  keys::kPageUp,
                                 keys::kPageDown, keys::kSpace, keys::kS,
                                 keys::kO,        keys::kZ,     keys::kM};
    const struct {
        const char* name;
        const std::function<void(App&)>& situation;
        std::function<TControl&(TFormVorlane&)> field;
    } fields[] = {
        {"minutes", kSoundPlaying, [](TFormVorlane& f) -> TControl& { return f.edtTimeMinutes; }},
        {"seconds", kSoundPlaying, [](TFormVorlane& f) -> TControl& { return f.edtTimeSeconds; }},
        {"clock time", kSelecting,
         [](TFormVorlane& f) -> TControl& { return f.cmbEndTimeComboBox; }},
    };
    for (const auto& entry : fields) {
        for (const std::uint16_t key : all) {
            SCOPED_TRACE(std::string(entry.name) + " key " + std::to_string(key));
            App app;
            entry.situation(app);
            app.f().FocusControl(entry.field(app.f()));
            const size_t from = app.host.log.calls.size();
            const Outcome before = OutcomeSince(app, from);
            EXPECT_TRUE(app.Key(key)) << "the field takes the key";
            EXPECT_EQ(OutcomeSince(app, from), before);
        }
    }
}

TEST(Keys, SpaceIsLeftToAFocusedButton) {
    // Tabbing onto the postpone button and pressing Space presses the button, not play.
    App app({"-t0", "-sTee"});
    app.OpenSound();
    app.Running();
    app.f().FocusControl(app.f().btnTerminVerschieben);
    const size_t from = app.host.log.calls.size();
    const Outcome before = OutcomeSince(app, from);
    EXPECT_TRUE(app.Key(keys::kSpace)) << "the button takes the key";
    EXPECT_EQ(OutcomeSince(app, from), before);
    // Other keys still act there.
    EXPECT_FALSE(app.Key(keys::kS));
}

TEST(Keys, LettersWithControlOrAltAreLeftToTheSystem) {
    App app;
    kSoundPlaying(app);
    const size_t from = app.host.log.calls.size();
    const Outcome before = OutcomeSince(app, from);
    for (const ShiftState shift : {ShiftState{.ctrl = true}, ShiftState{.alt = true}}) {
        for (const std::uint16_t key : {keys::kS, keys::kO, keys::kZ, keys::kM, keys::kUp}) {
            bool passed = false;
            Dispatch([&] { passed = app.f().KeyDown(key, shift); });
            EXPECT_TRUE(passed) << key;
        }
    }
    EXPECT_EQ(OutcomeSince(app, from), before);
}

} // namespace
} // namespace vorlane::testing
