#pragma once

namespace vorlane {

struct ScreenPoint {
    int left;
    int top;
};

// Where the window goes when no settings file exists yet: vertically centred on the primary
// screen and 360 pixels right of the horizontal centre, but never past the screen's right
// edge. Halves are rounded to the even neighbour.
ScreenPoint FirstRunPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

} // namespace vorlane
