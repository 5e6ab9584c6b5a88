#include "core/CountdownRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlane {
namespace {

using State = CountdownRecord::State;

CountdownRecord Running(std::int64_t deadline) {
    CountdownRecord record;
    record.deadlineUtcMs = deadline;
    return record;
}

CountdownRecord Paused(std::int32_t seconds) {
    CountdownRecord record;
    record.state = State::Paused;
    record.pausedSeconds = seconds;
    return record;
}

const std::vector<CountdownRecord>& Records() {
    static const std::vector<CountdownRecord> records = [] {
        std::vector<CountdownRecord> all;
        all.push_back(Running(1'796'911'200'000));
        CountdownRecord clockTime = Running(0);
        clockTime.clockTimeOffsetMinutes = -330;
        clockTime.inTray = true;
        all.push_back(clockTime);
        CountdownRecord reminded = Paused(59'999);
        reminded.reminder = "Tee \\ zieht\nlange\r genug: Gr\xC3\xBC\xC3\x9F"
                            "e";
        all.push_back(reminded);
        CountdownRecord empty = Running(253'402'300'799'999);
        empty.reminder = "";
        empty.clockTimeOffsetMinutes = 0;
        all.push_back(empty);
        return all;
    }();
    return records;
}

TEST(CountdownRecord, ReadsBackWhatItWrites) {
    for (const CountdownRecord& record : Records()) {
        const std::string bytes = FormatCountdownRecord(record);
        SCOPED_TRACE(bytes);
        const CountdownRecordReading reading = ParseCountdownRecord(bytes);
        ASSERT_TRUE(reading.record) << reading.problem;
        EXPECT_EQ(*reading.record, record);
    }
}

TEST(CountdownRecord, WritesOneLinePerValue) {
    CountdownRecord record = Running(1'796'911'200'000);
    record.clockTimeOffsetMinutes = 60;
    record.reminder = "a\\b\nc";
    EXPECT_EQ(FormatCountdownRecord(record), "Vorlane-Countdown 1\n"
                                             "deadline 1796911200000\n"
                                             "clock-time 60\n"
                                             "tray 0\n"
                                             "reminder a\\\\b\\nc\n"
                                             "end\n");
    EXPECT_EQ(FormatCountdownRecord(Paused(300)), "Vorlane-Countdown 1\npaused 300\ntray 0\nend\n");
}

// A record cut off anywhere, as a disk that filled up or lost power leaves it.
TEST(CountdownRecord, ACutOffRecordIsNone) {
    for (const CountdownRecord& record : Records()) {
        const std::string bytes = FormatCountdownRecord(record);
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            SCOPED_TRACE(bytes.substr(0, length));
            EXPECT_FALSE(ParseCountdownRecord(bytes.substr(0, length)).record);
        }
    }
}

TEST(CountdownRecord, WhatIsNoRecordSaysWhy) {
    const struct {
        const char* what;
        std::string bytes;
        std::string problem;
    } cases[] = {
        {"empty", "", "empty"},
        {"cut off", "Vorlane-Countdown 1\ndeadline 5\ntray 0\n", "cut off"},
        {"newer", "Vorlane-Countdown 2\nwhatever comes\nend\n", "written by a newer version (2)"},
        {"garbage", "\x89PNG\r\n\x1A\n\0\0", "not a countdown record"},
        {"settings file",
         "\xEF\xBB\xBF"
         "C:\\Musik\\Gong.mp3\r\n10\r\n20\r\n",
         "not a countdown record"},
        {"version zero", "Vorlane-Countdown 0\ndeadline 5\ntray 0\nend\n",
         "not a countdown record"},
        {"CR LF", "Vorlane-Countdown 1\r\ndeadline 5\r\ntray 0\r\nend\r\n",
         "not a countdown record"},
        {"after the end", "Vorlane-Countdown 1\ndeadline 5\ntray 0\nend\nx", "bytes after the end"},
        {"no time", "Vorlane-Countdown 1\ntray 0\nend\n", "neither deadline nor paused time"},
        {"both", "Vorlane-Countdown 1\ndeadline 5\npaused 5\ntray 0\nend\n", "bad tray line"},
        {"signed deadline", "Vorlane-Countdown 1\ndeadline -5\ntray 0\nend\n", "bad deadline"},
        {"leading zero", "Vorlane-Countdown 1\ndeadline 05\ntray 0\nend\n", "bad deadline"},
        {"past year 9999", "Vorlane-Countdown 1\ndeadline 253402300800000\ntray 0\nend\n",
         "bad deadline"},
        {"huge", "Vorlane-Countdown 1\ndeadline 99999999999999999999\ntray 0\nend\n",
         "bad deadline"},
        {"paused at zero", "Vorlane-Countdown 1\npaused 0\ntray 0\nend\n", "bad paused time"},
        {"paused past 32 bits", "Vorlane-Countdown 1\npaused 2147483648\ntray 0\nend\n",
         "bad paused time"},
        {"clock time paused", "Vorlane-Countdown 1\npaused 5\nclock-time 60\ntray 0\nend\n",
         "bad tray line"},
        {"offset beyond a day", "Vorlane-Countdown 1\ndeadline 5\nclock-time -1441\ntray 0\nend\n",
         "bad clock-time offset"},
        {"minus zero", "Vorlane-Countdown 1\ndeadline 5\nclock-time -0\ntray 0\nend\n",
         "bad clock-time offset"},
        {"tray yes", "Vorlane-Countdown 1\ndeadline 5\ntray yes\nend\n", "bad tray line"},
        {"bad escape", "Vorlane-Countdown 1\ndeadline 5\ntray 0\nreminder a\\tb\nend\n",
         "bad reminder"},
        {"escape at the end", "Vorlane-Countdown 1\ndeadline 5\ntray 0\nreminder a\\\nend\n",
         "bad reminder"},
        {"unknown line", "Vorlane-Countdown 1\ndeadline 5\ntray 0\ncolour red\nend\n",
         "unknown line"},
        {"twice", "Vorlane-Countdown 1\ndeadline 5\ntray 0\ntray 0\nend\n", "unknown line"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CountdownRecordReading reading = ParseCountdownRecord(c.bytes);
        EXPECT_FALSE(reading.record);
        EXPECT_EQ(reading.problem, c.problem);
    }
}

TEST(CountdownRecord, AMomentOnTheUtcClockInLocalTime) {
    // 2026-12-10 13:00 UTC is 14:00 an hour east of Greenwich.
    EXPECT_DOUBLE_EQ(UtcMsToDateTime(1'796'907'600'000, 3'600'000), 46366.0 + 14.0 / 24.0);
    EXPECT_DOUBLE_EQ(UtcMsToDateTime(0, 0), 25569.0);
}

} // namespace
} // namespace vorlane
