#include "core/DisplayScale.h"

#include <cstdint>

namespace vorlane {

int ScaleLength(int length, int dpi) {
    // In 64 bits: a coordinate far off the screen times a large DPI must not overflow.
    const std::int64_t scaled = std::int64_t{length} * dpi;
    const std::int64_t half = kDesignDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi
                                        : -((-scaled + half) / kDesignDpi));
}

ScreenRect ScaleRect(ScreenRect design, int dpi) {
    const int left = ScaleLength(design.left, dpi);
    const int top = ScaleLength(design.top, dpi);
    return ScreenRect{left, top, ScaleLength(design.left + design.width, dpi) - left,
                      ScaleLength(design.top + design.height, dpi) - top};
}

} // namespace vorlane
