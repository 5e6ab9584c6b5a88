#include "core/DisplayText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace vorlane {
namespace {

TEST(FormatRemainingTest, WritesMinutesAndSeconds) {
    struct Case {
        std::int32_t remaining;
        std::string minutes;
        std::string seconds;
    };
    const std::vector<Case> cases = {
        {605, "10", "05"},
        {65, "01", "05"},
        {6000, "100", "00"},
        {59999, "999", "59"},
        {720, "12", "00"},
        {1, "00", "01"},
        {9, "00", "09"},
        {10, "00", "10"},
        {59, "00", "59"},
        {60, "01", "00"},
        {599, "09", "59"},
        {600, "10", "00"},
        {59940, "999", "00"},
        {60000, "1000", "00"},
        {0, "00", "00"},
        {-1, "00", "00"},
        {-7, "00", "00"},
        {-60, "00", "00"},
        {-3600, "00", "00"},
        {std::numeric_limits<std::int32_t>::min(), "00", "00"},
        {std::numeric_limits<std::int32_t>::max(), "35791394", "07"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remaining);
        const DisplayText text = FormatRemaining(c.remaining);
        EXPECT_EQ(text.minutes, c.minutes);
        EXPECT_EQ(text.seconds, c.seconds);
    }
}

TEST(RemainingTimeInWordsTest, CountsMinutesAndSecondsInGermanWithTheirSingulars) {
    const struct {
        std::int32_t seconds;
        const char* words;
    } cases[] = {
        {300, "Noch 5 Minuten"},
        {60, "Noch 1 Minute"},
        {90, "Noch 1 Minute und 30 Sekunden"},
        {121, "Noch 2 Minuten und 1 Sekunde"},
        {59, "Noch 59 Sekunden"},
        {1, "Noch 1 Sekunde"},
        {0, "Die Zeit ist um."},
        {-3, "Die Zeit ist um."},
        {59999, "Noch 999 Minuten und 59 Sekunden"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RemainingTimeInWords(c.seconds), c.words) << c.seconds;
    }
}

TEST(TrayTipTextTest, JoinsTheFieldsWithAColon) {
    struct Case {
        std::int32_t remaining;
        std::string tip;
    };
    const std::vector<Case> cases = {
        {720, "12:00"}, {605, "10:05"}, {65, "01:05"}, {6000, "100:00"}, {0, "00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remaining);
        const DisplayText text = FormatRemaining(c.remaining);
        EXPECT_EQ(TrayTipText(text.minutes, text.seconds), c.tip);
    }
}

TEST(TrayTipTextTest, TakesTheFieldsAsTheyAre) {
    // The tooltip mirrors whatever the fields hold, even a text being typed.
    EXPECT_EQ(TrayTipText("7", ""), "7:");
    EXPECT_EQ(TrayTipText("", "30"), ":30");
}

} // namespace
} // namespace vorlane
