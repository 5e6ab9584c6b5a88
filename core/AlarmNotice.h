#pragma once
#include "core/TimeOfDay.h"

#include <optional>
#include <string>

namespace vorlane {

// The notification's text when a countdown ends: what ended (the reminder's text, or that the
// time is up where there is none or it is empty) and, on a line of its own, the clock time it ended
// at.
std::string AlarmNoticeText(const std::optional<std::string>& reminder, const TimeOfDay& ended);

} // namespace vorlane
