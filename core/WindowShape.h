#pragma once

#include "core/ScreenRect.h"

namespace vorlane {

// The ellipse the round window is cut to, relative to the window's top left corner: its
// bounding box reaches one pixel beyond the left and top edges and two beyond the right and
// bottom ones (right and bottom excluded, as the window system takes them).
struct WindowEllipse {
    int left;
    int top;
    int right;
    int bottom;
};

inline WindowEllipse EllipseOf(ScreenSize window) {
    return WindowEllipse{-1, -1, window.width + 2, window.height + 2};
}

} // namespace vorlane
