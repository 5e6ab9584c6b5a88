#pragma once

#include "core/Placement.h"
#include "core/ScreenRect.h"

namespace vorlane {

// Where a window position read from the settings file is applied, so that a position saved
// on a monitor that is gone does not leave the window out of reach. Each axis on its own:
// the stored edge is kept when the window's box still overlaps the virtual screen (the box
// around all monitors) with at least one pixel on the left or top side and at least 11 on the
// right or bottom side; otherwise the window is centred on the primary screen along that
// axis, halves rounded to the even neighbour. A place that passes this but shows no pixel of
// the round window (EllipseOf) on the virtual screen, as in a corner, is centred along every
// axis on which the window sticks out of the virtual screen.
ScreenPoint KeepOnScreen(ScreenPoint stored, ScreenSize window, ScreenRect virtualScreen,
                         ScreenSize primaryScreen);

} // namespace vorlane
