#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// What a copy of the program keeps on disk about its running countdown, so that a later
// start can go on with it when the copy ended other than by the user's hand.
struct CountdownRecord {
    enum class State { Running, Paused };
    State state = State::Running;
    // Running: the moment the countdown reaches zero, in milliseconds since 1970-01-01 00:00
    // UTC, so a change of the time zone or of daylight saving does not move it.
    std::int64_t deadlineUtcMs = 0;
    // Paused: the seconds left, above zero.
    std::int32_t pausedSeconds = 0;
    // Running to a clock time the user chose: the local clock's lead over UTC in minutes when
    // the record was written, so the countdown ends at the same clock time also in another
    // time zone.
    std::optional<std::int32_t> clockTimeOffsetMinutes;
    bool inTray = false;
    std::optional<std::string> reminder;

    bool operator==(const CountdownRecord&) const = default;
};

// The record's bytes: a first line naming the format and its version, one line per value and
// an end line, each ended by LF. A reminder's backslashes, CRs and LFs are escaped.
std::string FormatCountdownRecord(const CountdownRecord& record);

// A record read back, or why the bytes are none: empty, cut off, of a newer version, or not
// a record at all. Only the bytes FormatCountdownRecord writes are taken.
struct CountdownRecordReading {
    std::optional<CountdownRecord> record;
    std::string problem;
};
CountdownRecordReading ParseCountdownRecord(std::string_view bytes);

// The local time of a moment on the UTC clock, as a date-time (days since 1899-12-30), with
// the local clock's lead over UTC.
double UtcMsToDateTime(std::int64_t utcMs, std::int64_t localLeadMs);

} // namespace vorlane
