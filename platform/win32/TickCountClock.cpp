#include "platform/win32/TickCountClock.h"

#include <windows.h>

namespace vorlane::win32 {

std::int64_t TickCountClock::NowMs() {
    // 64 bits of milliseconds wrap after some 292 million years.
    return static_cast<std::int64_t>(GetTickCount64());
}

} // namespace vorlane::win32
