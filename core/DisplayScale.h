#pragma once

#include "core/ScreenRect.h"

namespace vorlane {

// The layout is drawn for 96 dots per inch; a window on a monitor of another DPI takes every
// length multiplied by DPI / 96.
inline constexpr int kDesignDpi = 96;

// A length (or a coordinate) of the design in pixels at dpi, a half rounded away from zero.
int ScaleLength(int length, int dpi);

// A rectangle of the design at dpi. Its edges are scaled, not its size: two rectangles that
// touch in the design touch at every DPI, and one inside another stays inside.
ScreenRect ScaleRect(ScreenRect design, int dpi);

} // namespace vorlane
