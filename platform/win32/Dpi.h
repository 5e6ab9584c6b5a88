#pragma once
#include <windows.h>

namespace vorlane::win32 {

// The DPI of the monitor a window is on, as the window system scales it for this program;
// on systems without per-monitor DPI the DPI of the screen.
int WindowDpi(HWND window);

// The width and height of a small icon (the tray's) at a DPI.
int SmallIconSize(int dpi);

} // namespace vorlane::win32
