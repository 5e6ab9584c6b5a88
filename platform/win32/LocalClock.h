#pragma once
#include "platform/Services.h"

namespace vorlane::win32 {

// The local wall clock of the system.
class LocalClock : public Clock {
public:
    double Now() override;
};

} // namespace vorlane::win32
