#include "core/AlarmNotice.h"

#include <chrono>
#include <cmath>

namespace vorlane {

namespace {

constexpr double kMsPerDay = 86'400'000.0;

// A date-time to the millisecond, as the clock gives it: days since day zero and the
// milliseconds of that day.
struct LocalMoment {
    std::chrono::sys_days day;
    std::int64_t msOfDay;
};

LocalMoment ToMoment(double dateTime) {
    namespace chr = std::chrono;
    constexpr chr::sys_days kDayZero =
        chr::year_month_day{chr::year{1899}, chr::December, chr::day{30}};
    const auto ms = static_cast<std::int64_t>(std::llround(dateTime * kMsPerDay));
    const std::int64_t msPerDay = 86'400'000;
    const std::int64_t days = ms >= 0 ? ms / msPerDay : -((-ms + msPerDay - 1) / msPerDay);
    return {kDayZero + chr::days{days}, ms - days * msPerDay};
}

// A number from 0 to 99 with two digits.
std::string TwoDigits(long value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

} // namespace

std::string AlarmNoticeText(const std::optional<std::string>& reminder, double endedAt, double now,
                            bool whileNotRunning) {
    namespace chr = std::chrono;
    const LocalMoment end = ToMoment(endedAt);
    std::string text = reminder && !reminder->empty() ? *reminder : "Die Zeit ist um.";
    text += "\nAbgelaufen ";
    if (end.day != ToMoment(now).day) {
        const chr::year_month_day date{end.day};
        text += "am " + TwoDigits(static_cast<long>(static_cast<unsigned>(date.day()))) + "." +
                TwoDigits(static_cast<long>(static_cast<unsigned>(date.month()))) + ". ";
    }
    const std::int64_t minutes = end.msOfDay / 60'000;
    text += "um " + TwoDigits(static_cast<long>(minutes / 60)) + ":" +
            TwoDigits(static_cast<long>(minutes % 60)) + " Uhr";
    text += whileNotRunning ? ", als Vorlane nicht lief." : ".";
    return text;
}

} // namespace vorlane
