// A running countdown outlives its copy of the program: a record beside the settings, gone at
// a normal exit, taken over by a later start after a kill, a crash or the session's end.
#include "SettingsDisk.h"
#include "app/Reminder.h"
#include "app/RunningRecord.h"
#include "platform/Keys.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

using headless::HeadlessHost;
using headless::InMemoryFiles;

const std::string kSettingsFile = kUserFolder + "Vorlane.ini";
const std::string kSound = "C:\\Musik\\Gong.mp3";
const std::string kRecordPrefix = kUserFolder + "Countdown-";
constexpr std::int64_t kMinuteMs = 60'000;
constexpr std::int64_t kHourMs = 60 * kMinuteMs;

void PrepareDisk(HeadlessHost& machine) {
    machine.files.AddFile(kSettingsFile, HandWrittenSettings(kSound, 300, 200));
    machine.files.AddFile(kSound, "");
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The countdown files in the settings folder ending so: records (".txt"), locks (".lock").
std::vector<std::string> CountdownFiles(const InMemoryFiles& disk, const std::string& end = "") {
    std::vector<std::string> found;
    for (const std::string& path : FilesIn(disk, kUserFolder)) {
        if (path.rfind(kRecordPrefix, 0) == 0 && EndsWith(path, end)) {
            found.push_back(path);
        }
    }
    return found;
}

std::vector<std::string> Records(const InMemoryFiles& disk) {
    return CountdownFiles(disk, ".txt");
}

// The eight digits naming a record.
std::string IdOf(const std::string& record) {
    return record.substr(kRecordPrefix.size(), 8);
}

// The disk as the app's process leaves it when it is killed now: its record stays, and the
// system lets go of the lock the process held, which deletes it. The app itself stays to
// compare with, as if it had gone on running.
InMemoryFiles DiskAfterKill(const App& app) {
    InMemoryFiles disk = app.host.files;
    for (const std::string& lock : CountdownFiles(disk, ".lock")) {
        disk.files.erase(lock);
    }
    return disk;
}

// A copy killed: its form goes without its exit.
InMemoryFiles Kill(App& app) {
    app.form.reset();
    return app.host.files;
}

// A start on the disk earlier copies left, at that moment of the local clock.
std::unique_ptr<App> StartOn(const InMemoryFiles& disk, double at,
                             std::vector<std::string> arguments = {}, std::int64_t utcLeadMs = 0) {
    return std::make_unique<App>(std::move(arguments), [&](HeadlessHost& machine) {
        machine.files = disk;
        machine.clock.now = at;
        machine.clock.utcLeadMs = utcLeadMs;
    });
}

void CountToClockTime(App& app, const std::string& time) {
    app.Click(app.f().btnSetTime.Normal);
    app.f().cmbEndTimeComboBox.SetText(time);
    app.Click(app.f().btnTimeSelectionOkay);
}

TEST(CountdownRecord, AKilledCopyGoesOnToTheSameDeadline) {
    const struct {
        const char* what;
        std::vector<std::string> arguments;
        std::function<void(App&)> act;
        bool inTray;
        // How far apart the two may be, in seconds: a copy that counts to a clock time from
        // the moment the choice was confirmed reaches zero up to half a second off that clock
        // time, which the copy taking over counts to exactly.
        int apart;
    } cases[] = {
        {"the start's twelve minutes", {}, [](App&) {}, false, 0},
        {"five minutes more", {}, [](App& a) { a.Click(a.f().btnPlusFive.Normal); }, false, 0},
        {"a minute less", {"-t30"}, [](App& a) { a.Click(a.f().btnMinusOne.Normal); }, false, 0},
        {"a clock time", {}, [](App& a) { CountToClockTime(a, "15:00"); }, false, 1},
        {"in the tray", {"-t15"}, [](App& a) { a.Key(keys::kF12); }, true, 0},
        {"with a reminder", {"-sTee_ziehen"}, [](App&) {}, false, 0},
        {"after the session ended",
         {},
         [](App& a) { Dispatch([&] { a.f().SessionEnding(); }); },
         false,
         0},
    };
    for (const auto& c : cases) {
        for (const std::int64_t gapMs : {std::int64_t{700}, 7 * kMinuteMs + 300}) {
            SCOPED_TRACE(std::string(c.what) + ", " + std::to_string(gapMs) + " ms later");
            App first(c.arguments, PrepareDisk);
            first.Running();
            first.Tick(2300);
            c.act(first);
            first.Tick(1700);
            const InMemoryFiles disk = DiskAfterKill(first);
            ASSERT_EQ(Records(disk).size(), 1u);
            first.TimePasses(gapMs);
            const auto next = StartOn(disk, first.host.clock.now);
            next->Running();
            first.Tick(301);
            EXPECT_EQ(next->application().minimized, c.inTray);
            EXPECT_EQ(next->f().reminder().Text(), first.f().reminder().Text());
            EXPECT_EQ(next->f().edtFirstTextLine.Visible(), first.f().edtFirstTextLine.Visible());
            // Display against display, every 97 ms through several seconds.
            for (int step = 0; step < 40; ++step) {
                const int took = next->f().countdown().RemainingSeconds();
                const int ran = first.f().countdown().RemainingSeconds();
                ASSERT_LE(std::abs(took - ran), c.apart)
                    << next->Display() << " against " << first.Display() << ", step " << step;
                next->Tick(97);
                first.Tick(97);
            }
            // It took its orphan and keeps it as its own record.
            EXPECT_EQ(Records(next->host.files), Records(disk));
        }
    }
}

TEST(CountdownRecord, ANormalExitLeavesNothingAndTheNextStartIsAsEver) {
    const struct {
        const char* what;
        std::function<void(App&)> exit;
    } exits[] = {
        {"Escape", [](App& a) { a.Key(keys::kEscape); }},
        {"Beenden", [](App& a) { Dispatch([&] { a.f().mnuExit->Click(); }); }},
        {"the exit button", [](App& a) { a.Click(a.f().btnExit.Normal); }},
    };
    App fresh({}, PrepareDisk);
    fresh.Running();
    for (const auto& c : exits) {
        SCOPED_TRACE(c.what);
        App app({"-t3"}, PrepareDisk);
        app.Running();
        app.Click(app.f().btnPlusFive.Normal);
        app.Tick();
        ASSERT_EQ(Records(app.host.files).size(), 1u);
        ASSERT_TRUE(app.host.restart.registered);
        c.exit(app);
        EXPECT_TRUE(app.application().terminated);
        EXPECT_EQ(CountdownFiles(app.host.files), std::vector<std::string>{});
        EXPECT_EQ(app.host.restart.registered, std::nullopt);

        const auto next = StartOn(Kill(app), app.host.clock.now);
        next->Running();
        EXPECT_EQ(next->Display(), fresh.Display());
        EXPECT_EQ(next->window().notifications, fresh.window().notifications);
        EXPECT_FALSE(next->application().minimized);
    }
}

// Two copies ran at once and were killed: each of the next two plain starts takes one, a
// start with "-t" takes none, and the one after finds nothing.
TEST(CountdownRecord, TwoKilledCopiesComeBackAsTwo) {
    App seventeen({}, PrepareDisk);
    seventeen.Running();
    seventeen.Click(seventeen.f().btnPlusFive.Normal);
    seventeen.Tick(1000);
    // The second copy starts while the first runs: the first's record is not an orphan.
    const auto three = StartOn(seventeen.host.files, seventeen.host.clock.now, {"-t3"});
    three->Running();
    EXPECT_EQ(three->Display(), "03:00");
    ASSERT_EQ(Records(three->host.files).size(), 2u);
    const auto plainWhileBothRun = StartOn(three->host.files, three->host.clock.now);
    plainWhileBothRun->Running();
    EXPECT_EQ(plainWhileBothRun->Display(), "12:00");

    InMemoryFiles disk = Kill(*three);
    // The first copy's lock, held on this disk as by another process, goes with its process.
    for (const std::string& lock : CountdownFiles(disk, ".lock")) {
        disk.files.erase(lock);
    }
    const double later = three->host.clock.now + 1.0 / 24 / 60; // a minute later

    const auto asked = StartOn(disk, later, {"-t7"});
    asked->Running();
    EXPECT_EQ(asked->Display(), "07:00");
    EXPECT_EQ(Records(asked->host.files).size(), 3u) << "both orphans left, and its own";

    std::vector<std::string> shown;
    const auto first = StartOn(disk, later);
    first->Running();
    shown.push_back(first->Display());
    const auto second = StartOn(first->host.files, later);
    second->Running();
    shown.push_back(second->Display());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"02:00", "15:58"}));
    const auto third = StartOn(second->host.files, later);
    third->Running();
    EXPECT_EQ(third->Display(), "12:00");
    EXPECT_FALSE(third->f().countdown().AlarmActive());
}

// "-t10" started at 14:00:00.3 ends at 14:10:00 (the display reaches zero half a second
// before the eleventh minute's rounding would); the next start comes that long after.
TEST(CountdownRecord, ADeadlinePassedWhileNotRunningRingsOrIsTold) {
    const struct {
        const char* what;
        std::vector<std::string> arguments;
        std::int64_t afterMs;
        bool rings;
        std::optional<std::string> notice;
    } cases[] = {
        // Rung as at zero, the alarm's notification names when zero was reached.
        {"ten minutes ago",
         {"-t10"},
         10 * kMinuteMs,
         true,
         "Die Zeit ist um.\nAbgelaufen um 14:09 Uhr."},
        {"an hour ago",
         {"-t10"},
         60 * kMinuteMs - 1000,
         true,
         "Die Zeit ist um.\nAbgelaufen um 14:09 Uhr."},
        {"three hours ago",
         {"-t10"},
         3 * kHourMs,
         false,
         "Die Zeit ist um.\nAbgelaufen um 14:09 Uhr, als Vorlane nicht lief."},
        {"with a reminder",
         {"-t10", "-sTee_ziehen"},
         3 * kHourMs,
         false,
         "Tee ziehen\nAbgelaufen um 14:09 Uhr, als Vorlane nicht lief."},
        {"yesterday",
         {"-t10"},
         20 * kHourMs,
         false,
         "Die Zeit ist um.\nAbgelaufen am 10.12. um 14:09 Uhr, als Vorlane nicht lief."},
        {"two days ago", {"-t10"}, 48 * kHourMs, false, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        App first(c.arguments, PrepareDisk);
        first.Running();
        first.Tick(4000);
        const std::vector<std::string> old = Records(first.host.files);
        ASSERT_EQ(old.size(), 1u);
        const InMemoryFiles disk = Kill(first);
        // The countdown reached zero at 14:09:59.8, ten minutes after it began.
        const double zero = EncodeDateTime(2026, 12, 10, 14, 9, 59, 801);
        const auto next = StartOn(disk, zero + static_cast<double>(c.afterMs) / 86'400'000.0);
        next->Running();
        next->Tick();
        EXPECT_EQ(next->f().countdown().AlarmActive(), c.rings);
        EXPECT_EQ(next->Display(), c.rings ? "00:00" : "12:00");
        std::vector<TrayNotification> expected;
        if (c.notice) {
            expected.push_back({"Vorlane", *c.notice});
        }
        EXPECT_EQ(next->window().notifications, expected);
        // Told or rung, the old record is gone: a later start finds nothing of it.
        for (const std::string& record : Records(next->host.files)) {
            EXPECT_NE(record, old[0]);
        }
        if (!c.rings) {
            EXPECT_EQ(next->f().edtFirstTextLine.Visible(), false) << "a plain start";
        }
        EXPECT_TRUE(next->host.messageBoxes.shown.empty());
    }
}

// While no copy ran, the clock was set or the time zone changed: a countdown to a clock time
// still ends at that clock time; a duration ends at the same moment.
TEST(CountdownRecord, AClockTimeFollowsTheClockWhileNoCopyRan) {
    const struct {
        const char* what;
        std::vector<std::string> arguments;
        bool toClockTime;
        std::int64_t clockSetByMs;
        std::int64_t zoneMovedByMs;
        std::string display;
    } cases[] = {
        // 16:00 counts to 16:01:00; the next start's first tick comes at 14:10:00.602 UTC.
        {"a clock time, an hour east", {}, true, 0, kHourMs, "51:00"},
        {"a clock time, the clock set back an hour", {}, true, -kHourMs, 0, "171:00"},
        {"a duration, an hour east", {"-t120"}, false, 0, kHourMs, "110:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        App first(c.arguments, PrepareDisk);
        first.Running();
        if (c.toClockTime) {
            CountToClockTime(first, "16:00");
        }
        const InMemoryFiles disk = Kill(first);
        const double at =
            first.host.clock.now +
            static_cast<double>(10 * kMinuteMs + c.clockSetByMs + c.zoneMovedByMs) / 86'400'000.0;
        const auto next = StartOn(disk, at, {}, c.zoneMovedByMs);
        next->Running();
        EXPECT_EQ(next->Display(), c.display);
        // And it goes on following the clock where it is a clock time.
        next->host.clock.AdvanceMs(static_cast<double>(-kHourMs));
        Dispatch([&] { next->f().ClockChanged(); });
        EXPECT_EQ(next->f().countdown().CountsToClockTime(), c.toClockTime);
    }
}

// The countdown waits while a clock time is being chosen: what it showed then comes back,
// however long the program was away, and counts on from there.
TEST(CountdownRecord, APauseSurvives) {
    App first({}, PrepareDisk);
    first.Running();
    first.Tick(2000);
    first.Click(first.f().btnSetTime.Normal);
    ASSERT_FALSE(first.f().countdown().Ticking());
    ASSERT_EQ(first.Display(), "11:58");
    const InMemoryFiles disk = Kill(first);
    const auto next = StartOn(disk, first.host.clock.now + 3.0 / 24);
    next->Running();
    EXPECT_EQ(next->Display(), "11:58");
    EXPECT_FALSE(next->f().countdown().AlarmActive());
    EXPECT_TRUE(next->window().notifications.empty());
    next->Tick(1000);
    EXPECT_EQ(next->Display(), "11:57");
}

TEST(CountdownRecord, ABadRecordIsDroppedSilentlyAndTraced) {
    const std::string bad = kRecordPrefix + "0badf00d.txt";
    const struct {
        const char* what;
        std::string bytes;
        std::string problem;
    } cases[] = {
        {"empty", "", "empty"},
        {"cut off", "Vorlane-Countdown 1\ndeadline 1796911200000\ntr", "cut off"},
        {"from a newer version", "Vorlane-Countdown 7\nhue 120\nend\n",
         "written by a newer version (7)"},
        {"garbage", std::string("\0\xFF\xFE\x01garbage\n\n", 12), "not a countdown record"},
        {"too long",
         "Vorlane-Countdown 1\ndeadline 1796911200000\ntray 0\nreminder " + std::string(9000, 'x') +
             "\nend\n",
         "cut off"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        App app({}, [&](HeadlessHost& machine) {
            PrepareDisk(machine);
            machine.files.AddFile(bad, c.bytes);
        });
        app.Running();
        EXPECT_TRUE(app.host.messageBoxes.shown.empty());
        EXPECT_TRUE(app.window().notifications.empty());
        EXPECT_EQ(app.Display(), "12:00");
        EXPECT_EQ(BytesOf(app.host.files, bad), "(none)");
        ASSERT_EQ(app.host.trace.traced.size(), 1u);
        EXPECT_EQ(app.host.trace.traced[0].where, "RunningRecord::TakeOrphan");
        EXPECT_EQ(app.host.trace.traced[0].what, bad + ": " + c.problem);
    }
}

// A day of ticks writes nothing: the record changes only when the countdown does.
TEST(CountdownRecord, TicksWriteNothing) {
    App app({}, PrepareDisk);
    app.Running();
    ASSERT_EQ(Records(app.host.files).size(), 1u);
    const int written = app.host.files.newFilesWritten;
    const int registrations = app.host.restart.calls;
    for (int tick = 0; tick < 100; ++tick) {
        app.Tick();
    }
    EXPECT_EQ(app.host.files.newFilesWritten, written);
    EXPECT_EQ(app.host.restart.calls, registrations);
    app.Click(app.f().btnPlusOne.Normal);
    EXPECT_EQ(app.host.files.newFilesWritten, written + 1) << "a new time is written at once";
}

// Windows restarts a copy with its record's name while a countdown runs, and not after it.
TEST(CountdownRecord, ARestartIsAskedForWhileACountdownRuns) {
    const struct {
        const char* what;
        std::vector<std::string> arguments;
        std::string prefix;
    } cases[] = {
        {"plain", {}, ""},
        {"settings in the program's folder", {"-p", "-t2"}, "-p "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        App app(c.arguments, PrepareDisk);
        app.FinishStartUp();
        EXPECT_EQ(app.host.restart.registered, std::nullopt) << "nothing counts before";
        app.Tick(1);
        const std::vector<std::string> records = Records(app.host.files);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(app.host.restart.registered, c.prefix + "--countdown=" + IdOf(records[0]));
        app.f().countdown().SetRemainingSeconds(1);
        app.Tick(1000);
        app.Tick();
        ASSERT_TRUE(app.f().countdown().AlarmActive());
        EXPECT_EQ(app.host.restart.registered, std::nullopt);
        EXPECT_EQ(CountdownFiles(app.host.files, ".txt"), std::vector<std::string>{});
    }
}

// The restart names its record: that one is taken, not another orphan.
TEST(CountdownRecord, ARestartTakesTheRecordItNames) {
    App one({"-t4"}, PrepareDisk);
    one.Running();
    const InMemoryFiles first = Kill(one);
    const std::string four = IdOf(Records(first).at(0));
    const auto two = StartOn(first, one.host.clock.now, {"-t9"});
    two->Running();
    const InMemoryFiles disk = Kill(*two);
    ASSERT_EQ(Records(disk).size(), 2u);
    const std::string nine =
        IdOf(Records(disk)[0]) == four ? IdOf(Records(disk)[1]) : IdOf(Records(disk)[0]);
    const struct {
        std::string id;
        std::string display;
    } cases[] = {{four, "03:30"}, {nine, "08:30"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const auto restarted =
            StartOn(disk, EncodeDateTime(2026, 12, 10, 14, 0, 30, 0), {"--countdown=" + c.id});
        restarted->Running();
        EXPECT_EQ(restarted->Display(), c.display);
    }
}

} // namespace
} // namespace vorlane::testing
