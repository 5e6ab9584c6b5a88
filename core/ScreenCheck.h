#pragma once

#include "core/Placement.h"
#include "core/ScreenRect.h"

#include <vector>

namespace vorlane {

// Where a window position read from the settings file is applied, so that a position saved
// on a monitor that is gone does not leave the window out of reach. Each axis on its own:
// the stored edge is kept when the window's box still overlaps the virtual screen (the box
// around all monitors) with at least one pixel on the left or top side and at least 11 on the
// right or bottom side; otherwise the window is centred on the primary screen along that
// axis, halves rounded to the even neighbour. A place that passes this but shows no pixel of
// the round window (EllipseOf) on any monitor, as in a corner of the screen or in a gap of
// the virtual screen beside a smaller monitor, is centred along every axis on which the window
// sticks out of the primary screen.
ScreenPoint KeepOnScreen(ScreenPoint stored, ScreenSize window, ScreenRect virtualScreen,
                         const std::vector<ScreenRect>& monitors, ScreenSize primaryScreen);

// Whether at least one pixel of the round window at `at` lies on one of the monitors.
bool ShowsAPixelOnAMonitor(ScreenPoint at, ScreenSize window,
                           const std::vector<ScreenRect>& monitors);

// Where a window that lies on no monitor any more (its monitor went away, the screen shrank)
// is brought back: the nearest place wholly inside the work area (its top-left corner where
// the window is larger). A window that shows a pixel on some monitor stays where it is.
ScreenPoint BringOntoAMonitor(ScreenPoint at, ScreenSize window,
                              const std::vector<ScreenRect>& monitors, ScreenRect workArea);

} // namespace vorlane
