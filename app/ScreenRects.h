#pragma once
// The model's rectangles as the screen rules take them, and back.
#include "core/ScreenRect.h"
#include "platform/Control.h"

#include <vector>

namespace vorlane {

inline ScreenRect ToScreenRect(const Rect& rect) {
    return ScreenRect{rect.left, rect.top, rect.width, rect.height};
}

inline std::vector<ScreenRect> ToScreenRects(const std::vector<Rect>& rects) {
    std::vector<ScreenRect> converted;
    converted.reserve(rects.size());
    for (const Rect& rect : rects) {
        converted.push_back(ToScreenRect(rect));
    }
    return converted;
}

inline Rect ToRect(const ScreenRect& rect) {
    return Rect{rect.left, rect.top, rect.width, rect.height};
}

} // namespace vorlane
