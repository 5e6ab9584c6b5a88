#include "core/AlarmNotice.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(AlarmNoticeTextTest, SaysWhatEndedAndTheClockTimeOnASecondLine) {
    const struct {
        std::optional<std::string> reminder;
        TimeOfDay ended;
        const char* text;
    } cases[] = {
        {std::nullopt, {14, 5, 30, 0}, "Die Zeit ist um.\nAbgelaufen um 14:05 Uhr."},
        {"Tee ziehen lassen", {9, 0, 0, 0}, "Tee ziehen lassen\nAbgelaufen um 09:00 Uhr."},
        {"", {0, 59, 59, 999}, "Die Zeit ist um.\nAbgelaufen um 00:59 Uhr."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AlarmNoticeText(c.reminder, c.ended), c.text);
    }
}

} // namespace
} // namespace vorlane
