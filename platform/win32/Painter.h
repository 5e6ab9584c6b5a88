#pragma once
#include "platform/Form.h"
#include "platform/win32/GdiCache.h"
#include "platform/win32/Handles.h"
#include "platform/win32/PictureCache.h"

#include <windows.h>

namespace vorlane::win32 {

// Paints one form's pictures and labels in their stacking order into an off-screen buffer
// and copies the changed part to the window at once, so nothing flickers. The buffer keeps
// the composed form: only what the model changed is composed again, and a paint that merely
// uncovers the window copies it as it is. Pictures, fonts and brushes come from the caches
// every form shares. Where the system has no memory for the buffer, the form is composed
// straight onto the window: it may flicker, but it shows.
class Painter {
public:
    Painter(PictureCache& pictures, GdiCache& gdi);
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    // Answers WM_PAINT.
    void Paint(HWND window, const TForm& form);
    // Part of the form that must be composed again at the next paint.
    void Stale(const RECT& area);
    // Lets the off-screen buffer go while the window is hidden; the next paint composes anew.
    void Release();
    // The size a label's text takes in its font.
    SIZE MeasureText(const TControl& label);

private:
    // A buffer the size of the client area; none when the system cannot make one.
    void MakeBuffer(HDC dc, const RECT& client);
    void Compose(HDC target, const TForm& form, const RECT& area);
    void DrawImage(HDC target, const TControl& image);
    void DrawLabel(HDC target, const TControl& label);

    PictureCache& pictures_;
    GdiCache& gdi_;
    // The bitmap outlives the device context it is selected into.
    UniqueGdiObject<HBITMAP> backBitmap_;
    UniqueDc backDc_;
    SIZE backSize_{0, 0};
    RECT stale_{0, 0, 0, 0};
    UniqueDc pictureDc_;
};

} // namespace vorlane::win32
