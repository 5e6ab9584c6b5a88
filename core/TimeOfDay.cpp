#include "core/TimeOfDay.h"

#include "core/DateTime.h"

#include <cmath>
#include <cstdint>

namespace vorlane {

namespace {

constexpr std::int32_t kMillisecondsPerDay = 86400000;

} // namespace

TimeOfDay DecodeTimeOfDay(double dateTime) {
    const double fraction = dateTime - std::floor(dateTime);
    // A fraction within half a millisecond of the next day rounds up to it: midnight.
    const std::int32_t milliseconds =
        RoundHalfEven(fraction * static_cast<double>(kMillisecondsPerDay)) % kMillisecondsPerDay;
    const std::int32_t seconds = milliseconds / 1000;
    return TimeOfDay{seconds / 3600, seconds / 60 % 60, seconds % 60, milliseconds % 1000};
}

} // namespace vorlane
