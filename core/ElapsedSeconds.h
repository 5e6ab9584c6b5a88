#pragma once

#include <cstdint>

namespace vorlane {

// Whole seconds from fromMs to toMs, two readings of the monotonic clock in milliseconds:
// the difference rounded to the nearest second, a half to the even neighbour, and saturated
// at the limits of a 32-bit integer. Each tick takes the total since the same base, so the
// differences between ticks add up without losing or doubling a second. Exact for every pair
// of readings; no intermediate value can overflow.
std::int32_t ElapsedSeconds(std::int64_t fromMs, std::int64_t toMs);

} // namespace vorlane
