// The main window as a screen reader finds it: the parts in each layout with their roles,
// names and states, the time's name as it changes, the alert at the alarm, and each part's
// action.
#include "AppFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

using Role = AccessibleRole;

// What a reader says of a part.
struct Said {
    Role role;
    std::string name;
    bool pressed;
    bool focusable;
    std::string action;
    friend bool operator==(const Said&, const Said&) = default;
};

void PrintTo(const Said& said, std::ostream* out) {
    const char* roles[] = {"text", "button", "link"};
    *out << roles[static_cast<int>(said.role)] << " \"" << said.name << "\""
         << (said.pressed ? " pressed" : "") << (said.focusable ? " focusable" : "")
         << (said.action.empty() ? "" : " [" + said.action + "]");
}

std::vector<Said> Read(App& app) {
    std::vector<Said> said;
    for (const AccessibleItem& item : app.f().AccessibleItems()) {
        said.push_back({item.role, item.name, item.pressed, item.focusable, item.defaultAction});
    }
    return said;
}

std::optional<AccessibleItem> Find(App& app, const std::string& name) {
    for (const AccessibleItem& item : app.f().AccessibleItems()) {
        if (item.name == name) {
            return item;
        }
    }
    return std::nullopt;
}

const std::string kPlus5 = "\"Countdown\" um fünf Minuten verlängern";
const std::string kPlay = "Hier klicken, um die ausgewählte Datei zu starten";
const std::string kPause = "Hier klicken, um die ausgewählte Datei zu unterbrechen";
const std::string kSetTime = "Zeit direkt auswählen";

Said Button(const std::string& name, bool pressed = false) {
    return {Role::PushButton, name, pressed, false, "Drücken"};
}

// The buttons below the display, in reading order; play and pause as given.
std::vector<Said> LowerButtons(bool setTimePressed, bool pausePressed, bool playPressed) {
    return {Button("Hier klicken, um ein MP3 Stück auszuwählen!"),
            Button(kSetTime, setTimePressed),
            Button("Info"),
            Button(kPause, pausePressed),
            Button("Hier klicken, um die ausgewählte Datei zu stoppen"),
            Button("\"Countdown\" um fünf Minuten verringern"),
            Button(kPlus5),
            Button(kPlay, playPressed),
            Button("\"Countdown\" eine Minute verringern"),
            Button("\"Countdown\" eine Minute verlängern")};
}

std::vector<Said> Joined(std::vector<Said> first, const std::vector<Said>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

const std::vector<Said> kTopButtons = {Button("Minimize"), Button("Exit")};

TEST(Accessible, CountingWindow) {
    App app;
    app.Running();
    EXPECT_EQ(Read(app),
              Joined(Joined(kTopButtons, {{Role::Text, "Verbleibende Zeit 12:00", false, false, ""},
                                          {Role::Link, "MP3 auswählen", false, false, "Öffnen"}}),
                     LowerButtons(false, false, false)));
    // Each part where the window paints it: the time over its three fields.
    const auto time = Find(app, "Verbleibende Zeit 12:00");
    ASSERT_TRUE(time);
    EXPECT_EQ(time->bounds, (Rect{47, 47, 68, 21}));
    const auto plus5 = Find(app, kPlus5);
    ASSERT_TRUE(plus5);
    EXPECT_EQ(plus5->bounds, app.f().btnPlusFive.Normal.Bounds());
}

TEST(Accessible, AlarmWithTheSoundPlaying) {
    App app({"-t0"});
    app.OpenSound();
    app.Running();
    app.Tick();
    app.Tick();
    EXPECT_EQ(Read(app),
              Joined(Joined(kTopButtons, {{Role::Text, "Verbleibende Zeit 00:00", false, false, ""},
                                          // without the margin the line keeps
                                          {Role::Link, "Wecker.mp3", false, false, "Öffnen"}}),
                     LowerButtons(false, false, true)));
    // Told once, about the time, however long the alarm lasts.
    EXPECT_EQ(app.window().alerts, std::vector<std::string>{"edtTimeMinutes"});
}

TEST(Accessible, ReminderWithItsPostponeButton) {
    App app({"-t0", "-sTee_ziehen"});
    app.Running();
    EXPECT_EQ(
        Read(app),
        Joined(Joined(kTopButtons, {{Role::PushButton, "Später erinnern?", false, true, "Drücken"},
                                    {Role::Text, "Tee ziehen", false, false, ""}}),
               LowerButtons(false, false, false)));
    EXPECT_EQ(app.window().alerts, std::vector<std::string>{"edtFirstTextLine"});
}

TEST(Accessible, ClockTimeSelectionOpen) {
    App app;
    app.Running();
    app.Click(app.f().btnSetTime.Normal);
    // The time fields and the sound line give way to the list and its button, which are the
    // system's own parts.
    EXPECT_EQ(Read(app), Joined(kTopButtons, LowerButtons(true, false, false)));
}

TEST(Accessible, PlayAndPauseLatched) {
    App app;
    app.OpenSound();
    app.Running();
    app.Click(app.f().btnPlay.Normal);
    EXPECT_TRUE(Find(app, kPlay)->pressed);
    EXPECT_FALSE(Find(app, kPause)->pressed);
    app.Click(app.f().btnPause.Normal);
    EXPECT_FALSE(Find(app, kPlay)->pressed);
    EXPECT_TRUE(Find(app, kPause)->pressed);
}

TEST(Accessible, AHiddenButtonIsNotThere) {
    App app;
    app.Running();
    const size_t all = Read(app).size();
    app.f().btnHelp.Normal.Hide();
    EXPECT_EQ(Read(app).size(), all - 1);
    EXPECT_FALSE(Find(app, "Info"));
}

TEST(Accessible, TheTimesNameChangesOnceAMinuteAndEverySecondInTheLast) {
    App app;
    app.f().countdown().SetRemainingSeconds(125);
    app.Running();
    std::vector<std::string> names{Find(app, "Verbleibende Zeit 03:00") ? "03:00" : "?"};
    const size_t changesBefore = app.window().nameChanges.size();
    for (int second = 0; second < 125; ++second) {
        app.Tick(1000);
        const std::string name = app.f().AccessibleItems()[2].name;
        if (name != "Verbleibende Zeit " + names.back()) {
            names.push_back(name.substr(name.size() - 5));
        }
    }
    std::vector<std::string> expected{"03:00", "02:00", "01:00"};
    for (int left = 59; left >= 0; --left) {
        expected.push_back("00:" + std::string(left < 10 ? "0" : "") + std::to_string(left));
    }
    EXPECT_EQ(names, expected);
    // Each change is told once, for the time's part.
    const std::vector<std::string> told(app.window().nameChanges.begin() +
                                            static_cast<long>(changesBefore),
                                        app.window().nameChanges.end());
    EXPECT_EQ(told, std::vector<std::string>(expected.size() - 1, "edtTimeMinutes"));
    // After the alarm, a new time is told as well.
    app.Tick();
    ASSERT_TRUE(app.f().countdown().AlarmActive());
    const size_t atZero = app.window().nameChanges.size();
    app.Click(app.f().btnPlusOne.Normal);
    EXPECT_EQ(app.window().nameChanges.size(), atZero + 1);
    EXPECT_TRUE(Find(app, "Verbleibende Zeit 01:00"));
}

// Readers are alerted on the way down at five minutes, at one minute and at zero, each time
// with the remaining time in words; never for the seconds between.
TEST(Accessible, ReadersAreAlertedAtFiveMinutesOneMinuteAndZero) {
    App app;
    app.f().countdown().SetRemainingSeconds(6 * 60 + 5);
    app.Running();
    std::vector<std::string> heard;
    size_t alerts = app.window().alerts.size();
    while (!app.f().countdown().AlarmActive()) {
        app.Tick(1000);
        for (; alerts < app.window().alerts.size(); ++alerts) {
            ASSERT_EQ(app.window().alerts[alerts], "edtTimeMinutes");
            heard.push_back(app.f().AccessibleItems()[2].description);
        }
    }
    EXPECT_EQ(heard,
              (std::vector<std::string>{"Noch 5 Minuten", "Noch 1 Minute", "Die Zeit ist um."}));
}

TEST(Accessible, AMilestonePassedByAButtonIsToldOnceAndNotBackUpwards) {
    App app;
    app.f().countdown().SetRemainingSeconds(7 * 60);
    app.Running();
    const size_t before = app.window().alerts.size();
    app.Click(app.f().btnMinusFive.Normal); // 07:00 to 02:00, past five minutes at once
    EXPECT_EQ(app.window().alerts.size(), before + 1);
    EXPECT_EQ(app.f().AccessibleItems()[2].description, "Noch 2 Minuten");
    app.Click(app.f().btnPlusFive.Normal); // back up: no milestone reached
    EXPECT_EQ(app.window().alerts.size(), before + 1);
}

TEST(Accessible, TheTimesNameNeverSaysMoreThanTheDisplayCanShow) {
    App app;
    app.f().countdown().SetRemainingSeconds(59999);
    app.Running();
    ASSERT_EQ(app.Display(), "999:59");
    EXPECT_TRUE(Find(app, "Verbleibende Zeit 999:59"));
}

TEST(Accessible, EachActionIsTheClick) {
    App app({"-t0", "-sTee"});
    app.Running();
    // The postpone button opens the clock-time selection, as its click does.
    Dispatch([&] { Find(app, "Später erinnern?")->control->Click(); });
    EXPECT_TRUE(app.f().selection().Selecting());

    App counting;
    counting.Running();
    Dispatch([&] { Find(counting, kPlus5)->control->Click(); });
    EXPECT_EQ(counting.Display(), "17:00");
    Dispatch([&] { Find(counting, "MP3 auswählen")->control->Click(); });
    EXPECT_EQ(counting.host.fileDialog.shown.size(), 1u);
}

} // namespace
} // namespace vorlane::testing
