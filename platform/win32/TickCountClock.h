#pragma once
#include "platform/Services.h"

namespace vorlane::win32 {

// The milliseconds since the system started, sleep and hibernation included.
class TickCountClock : public MonotonicClock {
public:
    std::int64_t NowMs() override;
};

} // namespace vorlane::win32
