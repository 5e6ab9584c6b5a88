#pragma once

#include "core/ScreenRect.h"

namespace vorlane {

// How near, in pixels, a window edge must come to an edge of the work area to snap to it.
inline constexpr int kSnapDistance = 10;

// Where a window being dragged goes when its proposed rectangle is near the edges of the work
// area (the monitor without the taskbar). Along each axis, a window edge whose distance to the
// work area's edge on the same side is at most kSnapDistance pixels, inside or outside the
// work area, is moved onto it. When both sides qualify, the nearer one wins, the left or top
// one on a tie. The window keeps its size. A window at another DPI than 96 snaps from the
// distance scaled to it.
ScreenRect SnapToWorkArea(ScreenRect proposed, ScreenRect workArea,
                          int snapDistance = kSnapDistance);

} // namespace vorlane
