#pragma once
#include "platform/Services.h"

namespace vorlane::win32 {

// The screens as the system reports them.
class PrimaryScreen : public Screen {
public:
    int Width() override;
    int Height() override;
    Rect WorkArea() override;
    Rect WorkAreaOf(const Rect& window) override;
    Rect VirtualScreen() override;
    std::vector<Rect> Monitors() override;
};

} // namespace vorlane::win32
