#include "core/TargetTimeSelection.h"

namespace vorlane {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kHoursOffered = 15;
// Sixteen hours and one minute: a target exactly 961 minutes ahead is still accepted.
constexpr int kLongestTargetMinutes = 961;

} // namespace

std::vector<std::string> TargetTimeChoices(const TimeOfDay& now) {
    std::vector<std::string> choices;
    for (int quarter = now.minute / 15 + 1; quarter < 4; ++quarter) {
        choices.push_back(ClockTimeText(now.hour, quarter * 15));
    }
    for (int hour = now.hour + 1; hour <= now.hour + kHoursOffered; ++hour) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            choices.push_back(ClockTimeText(hour % 24, quarter * 15));
        }
    }
    return choices;
}

int MinutesUntilTarget(const TimeOfDay& now, const TargetTime& target) {
    const int difference = (target.hour * 60 + target.minute) - (now.hour * 60 + now.minute);
    return (difference % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
}

std::optional<std::int32_t> RemainingSecondsForTarget(const TimeOfDay& now,
                                                      const TargetTime& target) {
    const int minutes = MinutesUntilTarget(now, target);
    if (minutes > kLongestTargetMinutes) {
        return std::nullopt;
    }
    return minutes * 60 - now.second + 60;
}

} // namespace vorlane
