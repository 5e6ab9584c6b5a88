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

} // namespace vorlane::win32
