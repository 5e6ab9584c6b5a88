#pragma once
#include "core/DisplayScale.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <tuple>

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

// The resource name of a picture's drawing at twice the size (200 %), a PNG.
inline constexpr char kDoubleSizeSuffix[] = "_2x";

// Loads pictures by name (the resource named after the picture) and keeps them for the life
// of the window. At 96 DPI a picture is the pre-decoded one; at any other DPI it is made from
// the drawing at 200 %, taken as it is at 192 DPI and resampled by area to the size the
// layout gives it at other DPIs. Only the pictures of the DPIs in use are ever loaded.
class PictureCache {
public:
    PictureCache() = default;
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The picture drawn with its top left corner at that design place (which decides its
    // rounded size at the DPI). Null bitmap when the resource is missing or cannot be decoded.
    const Picture& Get(const std::string& name, int dpi = kDesignDpi, int designLeft = 0,
                       int designTop = 0);

private:
    std::map<std::tuple<std::string, int, int, int>, Picture> pictures_;
};

// The picture at another size, resampled by area; a null bitmap when it cannot be made.
Picture ResamplePicture(const Picture& source, int width, int height);

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
