// The target-time box's text read as a clock time, on any text.
//
// Invariants: no crash and no sanitizer report; the hour lies in 0 to 23 and the minute in
// 0 to 59; the text is the two of them as "HH:MM"; reading that text again gives the same
// time (the reading is idempotent); only the first five UTF-16 units count, so a text that
// has them all reads the same with more after it.
#include "core/TargetTime.h"
#include "fuzz/FuzzChecks.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vorlane::fuzz::Require;
    const std::string_view text = vorlane::fuzz::AsText(data, size);
    const vorlane::TargetTime target = vorlane::ParseTargetTime(text);

    Require(target.hour <= 23 && target.minute <= 59, "a clock time of the day");
    Require(target.text == vorlane::ClockTimeText(target.hour, target.minute),
            "the text is the time as HH:MM");
    const vorlane::TargetTime again = vorlane::ParseTargetTime(target.text);
    Require(again.text == target.text && again.hour == target.hour && again.minute == target.minute,
            "the time read again is the same");
    if (vorlane::fuzz::Utf16Length(text) >= 5) {
        const vorlane::TargetTime longer = vorlane::ParseTargetTime(std::string(text) + "7:");
        Require(longer.text == target.text, "only the first five units count");
    }
    return 0;
}
