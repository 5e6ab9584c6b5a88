#include "core/ElapsedSeconds.h"

#include <limits>

namespace vorlane {

std::int32_t ElapsedSeconds(std::int64_t fromMs, std::int64_t toMs) {
    // Seconds and milliseconds apart, so that no subtraction leaves the 64-bit range:
    // each part of a reading is at most about 9.2e15 seconds or 999 milliseconds.
    std::int64_t seconds = toMs / 1000 - fromMs / 1000;
    std::int64_t milliseconds = toMs % 1000 - fromMs % 1000; // -1998 to 1998
    while (milliseconds < 0) {
        milliseconds += 1000;
        --seconds;
    }
    while (milliseconds >= 1000) {
        milliseconds -= 1000;
        ++seconds;
    }
    // Now seconds + milliseconds / 1000 with milliseconds in 0 to 999.
    if (milliseconds > 500 || (milliseconds == 500 && seconds % 2 != 0)) {
        ++seconds;
    }
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(seconds < kMin ? kMin : (seconds > kMax ? kMax : seconds));
}

} // namespace vorlane
