#pragma once

#include <optional>
#include <string>

namespace vorlane {

// The text of the notification that a countdown has ended: the reminder's text, or "Die Zeit
// ist um." without one (or with an empty one); then the clock time it ended at, with its day when
// that was not today, and whether Vorlane was not running then. Both times are local date-times
// (days since 1899-12-30).
std::string AlarmNoticeText(const std::optional<std::string>& reminder, double endedAt, double now,
                            bool whileNotRunning);

} // namespace vorlane
