#include "tests/support/ScreenGrabber.h"

namespace vorlane::testsupport {

ScreenGrabber::ScreenGrabber() : screen_(GetDC(nullptr)), memory_(CreateCompatibleDC(screen_)) {}

ScreenGrabber::~ScreenGrabber() {
    if (bitmap_ != nullptr) {
        SelectObject(memory_, previous_);
        DeleteObject(bitmap_);
    }
    DeleteDC(memory_);
    ReleaseDC(nullptr, screen_);
}

std::vector<std::uint32_t> ScreenGrabber::Grab(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || memory_ == nullptr) {
        return {};
    }
    if (bitmap_ == nullptr || width != width_ || height != height_) {
        if (bitmap_ != nullptr) {
            SelectObject(memory_, previous_);
            DeleteObject(bitmap_);
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (bitmap_ == nullptr) {
            return {};
        }
        previous_ = SelectObject(memory_, bitmap_);
        width_ = width;
        height_ = height;
    }
    if (!BitBlt(memory_, 0, 0, width, height, screen_, rect.left, rect.top, SRCCOPY | CAPTUREBLT)) {
        return {};
    }
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits_);
    std::vector<std::uint32_t> result(pixels, pixels + static_cast<size_t>(width * height));
    for (auto& pixel : result) {
        pixel &= 0x00FFFFFF;
    }
    return result;
}

} // namespace vorlane::testsupport
