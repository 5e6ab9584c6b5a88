#pragma once
#include "platform/Color.h"
#include "platform/Control.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace vorlane::win32 {

inline COLORREF ToColorRef(Color color) {
    return RGB(color.red, color.green, color.blue);
}

// Fonts and brushes, made once and shared by every window of the program until it ends, so
// a change of look never makes a new GDI object.
class GdiCache {
public:
    GdiCache() = default;
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;

    // The font at a window's DPI.
    HFONT FontFor(const Font& font, int dpi);
    HBRUSH BrushFor(Color color);

private:
    std::map<std::tuple<std::string, int, bool, bool, int>, UniqueGdiObject<HFONT>> fonts_;
    std::map<COLORREF, UniqueGdiObject<HBRUSH>> brushes_;
};

} // namespace vorlane::win32
