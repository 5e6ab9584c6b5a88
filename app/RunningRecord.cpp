// The record of the running countdown: written as it changes, removed at a normal exit, and
// an orphan taken over at start.
#include "app/RunningRecord.h"
#include "app/Countdown.h"
#include "app/Reminder.h"
#include "app/SettingsStore.h"
#include "app/TimeDisplay.h"
#include "app/VorlaneSRC.h"
#include "core/AlarmNotice.h"
#include "core/CommandLine.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <exception>
#include <random>
#include <vector>

namespace vorlane {

namespace {

constexpr char kPrefix[] = "Countdown-";
constexpr char kRecordSuffix[] = ".txt";
constexpr char kLockSuffix[] = ".lock";
// Far more than a record with the longest reminder takes; a longer file is cut and dropped.
constexpr std::size_t kMaxRecordBytes = 8192;
constexpr std::int64_t kMsPerMinute = 60'000;
constexpr std::int64_t kMsPerDay = 86'400'000;
// 1970-01-01, where the UTC clock counts from, on the local date-time's scale.
constexpr std::int64_t kUnixDayZeroMs = 25'569 * kMsPerDay;
// A countdown that ended this long ago or less while no copy ran rings at start.
constexpr std::int64_t kRingsWithinMs = 60 * kMsPerMinute;
// Older than this past its end, a record is dropped without a word.
constexpr std::int64_t kKeptForMs = kMsPerDay;
constexpr int kNameAttempts = 100;

std::string RandomId(Clock& clock) {
    // Seeded from the clock and where this copy's code was loaded, which differ between
    // copies; a name another copy has is passed over anyway.
    static std::mt19937 random{static_cast<std::uint32_t>(
        static_cast<std::uint64_t>(clock.UtcMs()) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        reinterpret_cast<std::uintptr_t>(&RandomId))};
    constexpr char kDigits[] = "0123456789abcdef";
    auto number = static_cast<std::uint32_t>(random());
    std::string id;
    for (int digit = 0; digit < 8; ++digit, number >>= 4) {
        id += kDigits[number & 0xF];
    }
    return id;
}

} // namespace

RunningRecord::RunningRecord(TFormVorlane& form) : f_(form) {}

RunningRecord::~RunningRecord() = default;

std::string RunningRecord::PathOf(const std::string& id, const char* suffix) const {
    return folder_ + kPrefix + id + suffix;
}

std::int64_t RunningRecord::LocalLeadMs() {
    Clock& clock = f_.Services().clock;
    return std::llround(clock.Now() * static_cast<double>(kMsPerDay)) - kUnixDayZeroMs -
           clock.UtcMs();
}

bool RunningRecord::TakeOrphanAtStart(const CommandLineOptions& options) {
    folder_ = f_.settings().ConfigDir();
    programFolder_ = options.useExeFolder;
    // A countdown asked for on the command line is what this start is for.
    if (folder_.empty() || options.remainingSeconds || options.reminderText) {
        return false;
    }
    std::vector<std::string> ids;
    if (options.countdownRecord) {
        ids.push_back(*options.countdownRecord);
    }
    const std::string prefix = kPrefix;
    const std::string suffix = kRecordSuffix;
    for (const std::string& name : f_.Services().files.FileNamesIn(folder_, prefix, suffix)) {
        const std::string id =
            name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (id != options.countdownRecord) {
            ids.push_back(id);
        }
    }
    for (const std::string& id : ids) {
        if (const std::optional<CountdownRecord> record = TakeOrphan(id)) {
            return GoOn(*record) && record->inTray;
        }
    }
    return false;
}

std::optional<CountdownRecord> RunningRecord::TakeOrphan(const std::string& id) {
    Files& files = f_.Services().files;
    FailureTrace& trace = f_.Services().trace;
    const std::string path = PathOf(id, kRecordSuffix);
    if (!files.FileExists(path)) {
        return std::nullopt;
    }
    std::unique_ptr<Files::Hold> lock;
    try {
        lock = files.HoldOpen(PathOf(id, kLockSuffix));
    } catch (const std::exception& error) {
        trace.Failure("RunningRecord::TakeOrphan", error.what());
        return std::nullopt;
    }
    if (!lock) {
        // Its copy runs.
        return std::nullopt;
    }
    std::string bytes;
    CountdownRecordReading reading;
    try {
        bytes = files.Read(path, kMaxRecordBytes);
        reading = ParseCountdownRecord(bytes);
    } catch (const std::exception& error) {
        reading.problem = error.what();
    }
    if (!reading.record) {
        trace.Failure("RunningRecord::TakeOrphan", path + ": " + reading.problem);
        files.Remove(path);
        return std::nullopt;
    }
    if (reading.record->state == CountdownRecord::State::Running &&
        f_.Services().clock.UtcMs() - reading.record->deadlineUtcMs > kKeptForMs) {
        files.Remove(path);
        return std::nullopt;
    }
    id_ = id;
    lock_ = std::move(lock);
    written_ = bytes;
    return reading.record;
}

bool RunningRecord::GoOn(const CountdownRecord& record) {
    Countdown& countdown = f_.countdown();
    if (record.state == CountdownRecord::State::Paused) {
        countdown.SetRemainingSeconds(record.pausedSeconds);
    } else {
        Clock& clock = f_.Services().clock;
        // A countdown to a clock time ends at that time on the local clock, in whatever time
        // zone it is now; any other ends at the same moment.
        const bool toClockTime = record.clockTimeOffsetMinutes.has_value();
        const std::int64_t lead =
            toClockTime ? *record.clockTimeOffsetMinutes * kMsPerMinute : LocalLeadMs();
        const std::int64_t msLeft =
            toClockTime ? record.deadlineUtcMs + lead + kUnixDayZeroMs -
                              std::llround(clock.Now() * static_cast<double>(kMsPerDay))
                        : record.deadlineUtcMs - clock.UtcMs();
        if (msLeft >= -kRingsWithinMs) {
            // A deadline passed a little while ago rings at once, its notification naming when.
            countdown.GoOnFor(msLeft, toClockTime);
        } else {
            const double endedAt = UtcMsToDateTime(record.deadlineUtcMs, lead);
            f_.TrayIcon.ShowNotification(TrayNotification{
                "Vorlane", AlarmNoticeText(record.reminder, endedAt, clock.Now(), true)});
            RemoveAtExit();
            return false;
        }
    }
    if (record.reminder) {
        f_.reminder().ShowReminder(*record.reminder);
    }
    f_.display().ShowRemainingTime();
    f_.reminder().ArrangeAtStart(countdown.RemainingSeconds() == 0);
    return true;
}

std::optional<CountdownRecord> RunningRecord::Current() {
    Countdown& countdown = f_.countdown();
    if (countdown.RemainingSeconds() == 0) {
        return std::nullopt;
    }
    CountdownRecord record;
    record.inTray = f_.App().Minimized();
    record.reminder = f_.reminder().Text();
    if (!countdown.Ticking()) {
        record.state = CountdownRecord::State::Paused;
        record.pausedSeconds = countdown.RemainingSeconds();
        return record;
    }
    record.deadlineUtcMs = f_.Services().clock.UtcMs() + countdown.MsUntilZero();
    if (countdown.CountsToClockTime()) {
        record.clockTimeOffsetMinutes = static_cast<std::int32_t>(
            std::llround(static_cast<double>(LocalLeadMs()) / kMsPerMinute));
    }
    return record;
}

void RunningRecord::CountdownChanged() {
    // Before start-up's first tick nothing counts yet.
    if (folder_.empty() || f_.countdown().Starting()) {
        return;
    }
    if (const std::optional<CountdownRecord> record = Current()) {
        Write(*record);
    } else {
        Remove();
    }
}

bool RunningRecord::TakeFreshName() {
    Files& files = f_.Services().files;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string id = RandomId(f_.Services().clock);
        if (files.FileExists(PathOf(id, kRecordSuffix))) {
            // An orphan of that name waits for a later start.
            continue;
        }
        std::unique_ptr<Files::Hold> lock = files.HoldOpen(PathOf(id, kLockSuffix));
        if (lock) {
            id_ = id;
            lock_ = std::move(lock);
            return true;
        }
    }
    f_.Services().trace.Failure("RunningRecord::TakeFreshName", "no free name in " + folder_);
    return false;
}

void RunningRecord::Write(const CountdownRecord& record) {
    const std::string bytes = FormatCountdownRecord(record);
    if (written_ == bytes) {
        return;
    }
    try {
        if (id_.empty() && !TakeFreshName()) {
            return;
        }
        f_.Services().files.WriteReplacing(PathOf(id_, kRecordSuffix), bytes);
        written_ = bytes;
        Register();
    } catch (const std::exception& error) {
        f_.Services().trace.Failure("RunningRecord::Write", error.what());
    }
}

void RunningRecord::Remove() {
    if (written_) {
        const std::string path = PathOf(id_, kRecordSuffix);
        if (!f_.Services().files.Remove(path)) {
            f_.Services().trace.Failure("RunningRecord::Remove", "Delete: " + path + " stays");
        }
        written_.reset();
    }
    Withdraw();
}

void RunningRecord::RemoveAtExit() {
    Remove();
    lock_.reset();
    id_.clear();
}

void RunningRecord::Register() {
    const std::string arguments = std::string(programFolder_ ? "-p " : "") + "--countdown=" + id_;
    if (registered_ != arguments) {
        f_.Services().restart.Register(arguments);
        registered_ = arguments;
    }
}

void RunningRecord::Withdraw() {
    if (registered_) {
        f_.Services().restart.Withdraw();
        registered_.reset();
    }
}

} // namespace vorlane
