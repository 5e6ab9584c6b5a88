#pragma once

#include <cstdint>

namespace vorlane {

// A date-time counts days on the local wall clock since 1899-12-30 00:00; the fraction is the
// time of day. The countdown measures elapsed time as a difference of two such values, so a
// change of the wall clock (set by hand, daylight saving) reaches the countdown as it should.

// Days since 1899-12-30 for a date of the proleptic Gregorian calendar and a time of day.
// The date must be a valid one; the clock supplies it.
double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond);

// Rounds to the nearest integer, a half to the even neighbour, and saturates at the limits
// of a 32-bit integer. Not a number gives 0.
std::int32_t RoundHalfEven(double value);

// Whole seconds from timeBase to now, rounded as above. Each tick takes the total since the
// same base, so the differences between ticks add up without losing or doubling a second.
std::int32_t SecondsSince(double timeBase, double now);

} // namespace vorlane
