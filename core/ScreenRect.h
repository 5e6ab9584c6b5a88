#pragma once

namespace vorlane {

// Width and height in screen pixels, of a window or of a screen.
struct ScreenSize {
    int width;
    int height;
};

// A rectangle on the screen: a window, the virtual screen or a work area.
struct ScreenRect {
    int left;
    int top;
    int width;
    int height;
};

} // namespace vorlane
