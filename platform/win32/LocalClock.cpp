#include "platform/win32/LocalClock.h"

#include "core/DateTime.h"

#include <windows.h>

namespace vorlane::win32 {

double LocalClock::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return EncodeDateTime(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                          now.wMilliseconds);
}

std::int64_t LocalClock::UtcMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    // 100-ns steps since 1601-01-01; 1970-01-01 lies 11 644 473 600 s later.
    const std::int64_t steps = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
    return (steps - 116'444'736'000'000'000) / 10'000;
}

} // namespace vorlane::win32
