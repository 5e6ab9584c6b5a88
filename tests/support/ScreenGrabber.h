#pragma once
// Screen pixels read with BitBlt from the screen DC: what the user sees, whichever process drew
// it. Used by the end-to-end driver to look at the program and by the start-up bench to see
// when its window first shows.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace vorlane::testsupport {

class ScreenGrabber {
public:
    ScreenGrabber();
    ~ScreenGrabber();
    ScreenGrabber(const ScreenGrabber&) = delete;
    ScreenGrabber& operator=(const ScreenGrabber&) = delete;

    // The rectangle's pixels as 0x00RRGGBB, top-down rows; empty when the screen cannot be
    // read. The bitmap is kept for the next read of the same size, so that polling the screen
    // costs little.
    std::vector<std::uint32_t> Grab(const RECT& rect);

private:
    HDC screen_;
    HDC memory_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace vorlane::testsupport
