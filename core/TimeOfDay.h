#pragma once

namespace vorlane {

// The clock time of a date-time, as the local clock reports it.
struct TimeOfDay {
    int hour;        // 0 to 23
    int minute;      // 0 to 59
    int second;      // 0 to 59
    int millisecond; // 0 to 999
};

// The time of day of a date-time (days since 1899-12-30, the fraction the time of day). The
// fraction is rounded to the nearest millisecond, the clock's resolution, so a value that
// stands for 10:00:30.000 is never read as 10:00:29. Not a number and infinities give
// midnight.
TimeOfDay DecodeTimeOfDay(double dateTime);

} // namespace vorlane
