#include "core/AlarmNotice.h"
#include "core/DateTime.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vorlane {
namespace {

TEST(AlarmNotice, SaysWhatEndedAndWhen) {
    const double now = EncodeDateTime(2026, 12, 10, 17, 30, 0, 0);
    const struct {
        const char* what;
        std::optional<std::string> reminder;
        double endedAt;
        bool whileNotRunning;
        std::string text;
    } cases[] = {
        {"today, not running", std::nullopt, EncodeDateTime(2026, 12, 10, 14, 5, 59, 999), true,
         "Die Zeit ist um.\nAbgelaufen um 14:05 Uhr, als Vorlane nicht lief."},
        {"a reminder", "Zahnarzt anrufen", EncodeDateTime(2026, 12, 10, 0, 0, 0, 0), true,
         "Zahnarzt anrufen\nAbgelaufen um 00:00 Uhr, als Vorlane nicht lief."},
        {"yesterday", std::nullopt, EncodeDateTime(2026, 12, 9, 23, 59, 0, 0), true,
         "Die Zeit ist um.\nAbgelaufen am 09.12. um 23:59 Uhr, als Vorlane nicht lief."},
        {"last year", "Tee", EncodeDateTime(2025, 1, 31, 9, 7, 0, 0), true,
         "Tee\nAbgelaufen am 31.01. um 09:07 Uhr, als Vorlane nicht lief."},
        {"at zero while running", std::nullopt, EncodeDateTime(2026, 12, 10, 17, 30, 0, 0), false,
         "Die Zeit ist um.\nAbgelaufen um 17:30 Uhr."},
        {"an empty reminder says what any other would", "",
         EncodeDateTime(2026, 12, 10, 8, 0, 0, 0), false,
         "Die Zeit ist um.\nAbgelaufen um 08:00 Uhr."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AlarmNoticeText(c.reminder, c.endedAt, now, c.whileNotRunning), c.text);
    }
}

} // namespace
} // namespace vorlane
