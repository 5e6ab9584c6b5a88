#include "platform/win32/GdiCache.h"

#include "platform/win32/Utf16.h"

namespace vorlane::win32 {

HFONT GdiCache::FontFor(const Font& font, int dpi) {
    const auto key = std::make_tuple(font.name, font.points, font.bold, font.underline, dpi);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        return found->second.Get();
    }
    const int height = -MulDiv(font.points, dpi, 72);
    HFONT made = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                             font.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH, Widen(font.name).c_str());
    fonts_[key].Reset(made);
    return made;
}

HBRUSH GdiCache::BrushFor(Color color) {
    const COLORREF value = ToColorRef(color);
    auto found = brushes_.find(value);
    if (found != brushes_.end()) {
        return found->second.Get();
    }
    HBRUSH made = CreateSolidBrush(value);
    brushes_[value].Reset(made);
    return made;
}

} // namespace vorlane::win32
