#include "core/DateTime.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace vorlane {

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

} // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond) {
    namespace chr = std::chrono;
    constexpr chr::sys_days kDayZero =
        chr::year_month_day{chr::year{1899}, chr::December, chr::day{30}};
    const chr::sys_days date =
        chr::year_month_day{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                            chr::day{static_cast<unsigned>(day)}};
    const double days = static_cast<double>((date - kDayZero).count());
    const double milliseconds =
        ((static_cast<double>(hour) * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return days + milliseconds / kMillisecondsPerDay;
}

std::int32_t RoundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    if (rounded <= static_cast<double>(kMin)) {
        return kMin;
    }
    if (rounded >= static_cast<double>(kMax)) {
        return kMax;
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace vorlane
