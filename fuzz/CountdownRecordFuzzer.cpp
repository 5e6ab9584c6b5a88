// The countdown record's reader on any bytes.
//
// Invariants, for any bytes: no crash and no sanitizer report; a reading gives a record or
// says why not, never both and never neither; only the bytes the writer makes are taken:
// a record read is written back to exactly the bytes it was read from, and those read again
// give the same record; a record read holds what the program can go on with: a running one a
// deadline from 1970 to the end of 9999 and a clock time's offset within a day, a paused one
// more than no seconds; accepted bytes cut short by their last byte are refused.
#include "core/CountdownRecord.h"
#include "fuzz/FuzzChecks.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using vorlane::CountdownRecord;
using vorlane::CountdownRecordReading;
using vorlane::fuzz::Require;

void CheckRecord(std::string_view bytes, const CountdownRecord& record) {
    const std::string written = vorlane::FormatCountdownRecord(record);
    Require(written == bytes, "a record read is written back to the same bytes");
    const CountdownRecordReading again = vorlane::ParseCountdownRecord(written);
    Require(again.record && *again.record == record, "written and read again, the same record");
    if (record.state == CountdownRecord::State::Running) {
        Require(record.deadlineUtcMs >= 0 && record.deadlineUtcMs <= 253'402'300'799'999,
                "a deadline from 1970 to the end of 9999");
        Require(!record.clockTimeOffsetMinutes || (*record.clockTimeOffsetMinutes >= -1440 &&
                                                   *record.clockTimeOffsetMinutes <= 1440),
                "a clock time's offset within a day");
    } else {
        Require(record.pausedSeconds > 0, "a paused record has seconds left");
        Require(!record.clockTimeOffsetMinutes, "a paused record counts no clock time");
    }
    Require(!vorlane::ParseCountdownRecord(bytes.substr(0, bytes.size() - 1)).record,
            "cut short, it is refused");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = vorlane::fuzz::AsText(data, size);
    const CountdownRecordReading reading = vorlane::ParseCountdownRecord(bytes);
    Require(reading.record.has_value() == reading.problem.empty(),
            "a record, or why there is none");
    if (reading.record) {
        CheckRecord(bytes, *reading.record);
    }
    return 0;
}
