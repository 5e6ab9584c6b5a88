#pragma once
#include "platform/Color.h"
#include "platform/Control.h"
#include "platform/win32/Handles.h"

#include <windows.h>

namespace vorlane::win32 {

// How long and on what background every hint of the program shows.
struct HintStyle {
    Color background = kWhite;
    int delayMs = 500;
    int displayMs = 5000;
};

// The hints of one window: a tip tool per field with its hint on, and one per picture or
// label while it is shown. The window relays its own mouse messages for the pictures, after
// the model has seen them, so a hint that a move has just switched on is already known.
class HintTool {
public:
    // dpi: the window's, for the widest tip.
    HintTool(HWND window, HINSTANCE instance, int dpi);
    HintTool(const HintTool&) = delete;
    HintTool& operator=(const HintTool&) = delete;

    // child: the control's own window, or null for a painted control.
    void Update(const TControl& control, HWND child);
    void Relay(UINT message, WPARAM wParam, LPARAM lParam);
    void SetStyle(const HintStyle& style);

private:
    HWND window_;
    UniqueWindow tip_;
};

} // namespace vorlane::win32
