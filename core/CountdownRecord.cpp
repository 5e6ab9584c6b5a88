#include "core/CountdownRecord.h"

#include <limits>
#include <vector>

namespace vorlane {

namespace {

constexpr std::string_view kFormatName = "Vorlane-Countdown ";
constexpr std::int32_t kVersion = 1;
// 9999-12-31 23:59:59.999 UTC: a later deadline is no clock's.
constexpr std::int64_t kLastDeadlineMs = 253'402'300'799'999;
// No time zone lies more than a day from UTC.
constexpr std::int32_t kMaxOffsetMinutes = 24 * 60;
constexpr double kMsPerDay = 86'400'000.0;
constexpr double kUnixDayZero = 25569.0; // 1970-01-01 as a date-time

std::string EscapeLine(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\r') {
            escaped += "\\r";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::optional<std::string> UnescapeLine(std::string_view line) {
    std::string text;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == '\r') {
            return std::nullopt;
        }
        if (line[at] != '\\') {
            text += line[at];
            continue;
        }
        if (++at == line.size()) {
            return std::nullopt;
        }
        switch (line[at]) {
        case '\\':
            text += '\\';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

// A decimal number as the format writes it: an optional minus, then digits without a leading
// zero (except zero itself, which has no minus), within the limits.
std::optional<std::int64_t> ReadNumber(std::string_view text, std::int64_t lowest,
                                       std::int64_t highest) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 18 || (digits.size() > 1 && digits.front() == '0') ||
        (negative && digits == "0")) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

// The lines of the bytes, each ended by LF; the part after the last LF is returned apart.
struct Lines {
    std::vector<std::string_view> ended;
    std::string_view rest;
};
Lines SplitLines(std::string_view bytes) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find('\n'); end != std::string_view::npos;
         end = bytes.find('\n', start)) {
        lines.ended.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    lines.rest = bytes.substr(start);
    return lines;
}

// Reads one line "key value" of the record, the key's value, if the line is that.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view key) {
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ') {
        return std::nullopt;
    }
    return line.substr(key.size() + 1);
}

CountdownRecordReading Bad(std::string problem) {
    return {std::nullopt, std::move(problem)};
}

} // namespace

std::string FormatCountdownRecord(const CountdownRecord& record) {
    std::string bytes = std::string(kFormatName) + std::to_string(kVersion) + "\n";
    if (record.state == CountdownRecord::State::Running) {
        bytes += "deadline " + std::to_string(record.deadlineUtcMs) + "\n";
        if (record.clockTimeOffsetMinutes) {
            bytes += "clock-time " + std::to_string(*record.clockTimeOffsetMinutes) + "\n";
        }
    } else {
        bytes += "paused " + std::to_string(record.pausedSeconds) + "\n";
    }
    bytes += std::string("tray ") + (record.inTray ? "1" : "0") + "\n";
    if (record.reminder) {
        bytes += "reminder " + EscapeLine(*record.reminder) + "\n";
    }
    return bytes + "end\n";
}

CountdownRecordReading ParseCountdownRecord(std::string_view bytes) {
    if (bytes.empty()) {
        return Bad("empty");
    }
    const Lines lines = SplitLines(bytes);
    if (lines.ended.empty() || lines.ended.front().substr(0, kFormatName.size()) != kFormatName) {
        return Bad("not a countdown record");
    }
    const std::optional<std::int64_t> version =
        ReadNumber(lines.ended.front().substr(kFormatName.size()), 1,
                   std::numeric_limits<std::int32_t>::max());
    if (!version) {
        return Bad("not a countdown record");
    }
    if (*version > kVersion) {
        return Bad("written by a newer version (" + std::to_string(*version) + ")");
    }
    if (lines.ended.back() != "end") {
        return Bad("cut off");
    }
    if (!lines.rest.empty()) {
        return Bad("bytes after the end");
    }
    CountdownRecord record;
    std::size_t at = 1;
    const auto line = [&]() -> std::string_view {
        return at < lines.ended.size() ? lines.ended[at] : std::string_view{};
    };
    if (const auto deadline = ValueOf(line(), "deadline")) {
        const auto ms = ReadNumber(*deadline, 0, kLastDeadlineMs);
        if (!ms) {
            return Bad("bad deadline");
        }
        record.deadlineUtcMs = *ms;
        ++at;
        if (const auto offset = ValueOf(line(), "clock-time")) {
            const auto minutes = ReadNumber(*offset, -kMaxOffsetMinutes, kMaxOffsetMinutes);
            if (!minutes) {
                return Bad("bad clock-time offset");
            }
            record.clockTimeOffsetMinutes = static_cast<std::int32_t>(*minutes);
            ++at;
        }
    } else if (const auto paused = ValueOf(line(), "paused")) {
        const auto seconds = ReadNumber(*paused, 1, std::numeric_limits<std::int32_t>::max());
        if (!seconds) {
            return Bad("bad paused time");
        }
        record.state = CountdownRecord::State::Paused;
        record.pausedSeconds = static_cast<std::int32_t>(*seconds);
        ++at;
    } else {
        return Bad("neither deadline nor paused time");
    }
    const auto tray = ValueOf(line(), "tray");
    if (!tray || (*tray != "0" && *tray != "1")) {
        return Bad("bad tray line");
    }
    record.inTray = *tray == "1";
    ++at;
    if (const auto reminder = ValueOf(line(), "reminder")) {
        record.reminder = UnescapeLine(*reminder);
        if (!record.reminder) {
            return Bad("bad reminder");
        }
        ++at;
    }
    if (at + 1 != lines.ended.size()) {
        return Bad("unknown line");
    }
    return {record, {}};
}

double UtcMsToDateTime(std::int64_t utcMs, std::int64_t localLeadMs) {
    return kUnixDayZero + static_cast<double>(utcMs + localLeadMs) / kMsPerDay;
}

} // namespace vorlane
