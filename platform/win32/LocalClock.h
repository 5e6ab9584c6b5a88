#pragma once
#include "platform/Services.h"

namespace vorlane::win32 {

// The wall clock of the system: local, and as UTC.
class LocalClock : public Clock {
public:
    double Now() override;
    std::int64_t UtcMs() override;
};

} // namespace vorlane::win32
