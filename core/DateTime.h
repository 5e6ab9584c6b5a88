#pragma once

#include <cstdint>

namespace vorlane {

// A date-time counts days on the local wall clock since 1899-12-30 00:00; the fraction is the
// time of day. It tells the clock time (the target-time selection); elapsed time is measured
// on the monotonic clock instead (ElapsedSeconds), which setting the wall clock or a
// daylight-saving switch does not move.

// Days since 1899-12-30 for a date of the proleptic Gregorian calendar and a time of day.
// The date must be a valid one; the clock supplies it.
double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond);

// Rounds to the nearest integer, a half to the even neighbour, and saturates at the limits
// of a 32-bit integer. Not a number gives 0.
std::int32_t RoundHalfEven(double value);

} // namespace vorlane
