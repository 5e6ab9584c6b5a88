#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

// A clock time the countdown is to end at, as the target-time box shows it after checking.
struct TargetTime {
    std::string text;     // "HH:MM"
    std::uint16_t hour;   // 0 to 23
    std::uint16_t minute; // 0 to 59
};

// Reads whatever was typed or picked in the target-time box as a clock time. Only the first
// five characters count, characters being UTF-16 units as in the box itself. Hour and minute
// may have one or two digits, with up to two separators of any kind between them; an hour
// of 24 is midnight, larger values are cut to 23:xx and xx:59, and text that cannot be read
// gives 12:00. Any text, also one that is not valid UTF-8, gives a time in range, and the
// result read again gives itself.
TargetTime ParseTargetTime(std::string_view text);

// A clock time as the target-time box writes it: hour and minute with two digits each, joined
// by ":" (09:05). Both must lie between 0 and 99.
std::string ClockTimeText(int hour, int minute);

} // namespace vorlane
