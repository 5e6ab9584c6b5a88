#pragma once

#include "core/TargetTime.h"
#include "core/TimeOfDay.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlane {

// The clock times the target-time box offers in its list when opened at the given time: the
// quarter hours still to come in the current hour, then the four quarter hours of each of
// the next fifteen hours, in time order; 60 to 63 entries, none equal to the current time.
std::vector<std::string> TargetTimeChoices(const TimeOfDay& now);

// Whole minutes from the current minute to the target, 0 to 1439: a target earlier than the
// current minute lies on the next day. Seconds play no part.
int MinutesUntilTarget(const TimeOfDay& now, const TargetTime& target);

// The countdown that ends at the start of the minute after the target, in seconds, or nothing
// when the target lies more than 961 minutes ahead. Every entry of the list opened a little
// earlier stays within that limit.
std::optional<std::int32_t> RemainingSecondsForTarget(const TimeOfDay& now,
                                                      const TargetTime& target);

} // namespace vorlane
