#pragma once
// The model's rectangles (left, top, width, height) and the window system's (left, top, right,
// bottom), converted in one place.
#include "platform/Control.h"

#include <windows.h>

namespace vorlane::win32 {

inline RECT ToRECT(const Rect& bounds) {
    return RECT{bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
}

inline Rect FromRECT(const RECT& rect) {
    return Rect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace vorlane::win32
