#pragma once

#include "core/Placement.h"
#include "core/ScreenRect.h"

namespace vorlane {

// Where a window of windowSize starts when it is centred on a screen of screenSize along one
// axis: half the screen minus half the window, a half pixel rounded to the even neighbour.
int CentredStart(int screenSize, int windowSize);

// Left and top of a window centred on the primary screen, whose top left corner is 0, 0.
ScreenPoint CentredOnScreen(ScreenSize screen, ScreenSize window);

} // namespace vorlane
