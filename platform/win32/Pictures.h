#pragma once
#include "platform/win32/Handles.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace vorlane::win32 {

// A picture decoded once from the exe's resources: a top-down 32-bit DIB with
// premultiplied alpha, ready for AlphaBlend.
struct Picture {
    UniqueGdiObject<HBITMAP> bitmap;
    int width = 0;
    int height = 0;
    // Every pixel fully opaque: copied instead of blended, which is much cheaper.
    bool opaque = false;
};

// The resource type of pre-decoded pictures: a 12-byte header ("VLPX", width and height in
// 16 bits, flags in 32 bits with bit 0 for every pixel opaque; little-endian), then the
// premultiplied BGRA pixels, top-down, LZNT1-compressed. The main window's and the tray
// menu's pictures are held this way, so the first paint needs neither COM nor WIC.
inline constexpr wchar_t kPixelsResourceType[] = L"PIXELS";

// Loads pictures by name (the resource named after the picture) and keeps them for the life
// of the window.
class PictureCache {
public:
    PictureCache() = default;
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // Null bitmap when the resource is missing or cannot be decoded.
    const Picture& Get(const std::string& name);

private:
    std::map<std::string, Picture> pictures_;
};

// The picture of that name from the module: pre-decoded pixels where the module holds them,
// else a PNG resource (RCDATA). A null bitmap when neither is there or decodes.
Picture LoadPictureResource(HMODULE module, const std::wstring& name);

// One pre-decoded picture (kPixelsResourceType) of the module.
Picture LoadPixelsResource(HMODULE module, const std::wstring& name);

// The decoders of the two resource forms; a null bitmap for bytes that are not a whole
// picture of that form.
Picture DecodePixels(std::span<const std::uint8_t> bytes);
Picture DecodePng(std::span<const std::uint8_t> bytes);

} // namespace vorlane::win32
