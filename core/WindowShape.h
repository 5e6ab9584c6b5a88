#pragma once

#include "core/DisplayScale.h"
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

// The ellipse of a window of the design size at dpi: its edges scaled as every other edge of
// the layout, so the window's picture fills it at every DPI as it does at 96.
inline WindowEllipse EllipseAt(ScreenSize design, int dpi) {
    const WindowEllipse outline = EllipseOf(design);
    return WindowEllipse{ScaleLength(outline.left, dpi), ScaleLength(outline.top, dpi),
                         ScaleLength(outline.right, dpi), ScaleLength(outline.bottom, dpi)};
}

} // namespace vorlane
