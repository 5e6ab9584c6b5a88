#pragma once
#include <windows.h>

#include <map>
#include <string>

namespace vorlane::win32 {

// A picture decoded once from the exe's resources: a top-down 32-bit DIB with
// premultiplied alpha, ready for AlphaBlend.
struct Picture {
    HBITMAP bitmap = nullptr;
    int width = 0;
    int height = 0;
    // Every pixel fully opaque: copied instead of blended, which is much cheaper.
    bool opaque = false;
};

// Decodes PNG resources (RCDATA named after the picture) with the Windows Imaging
// Component and keeps them for the life of the window.
class PictureCache {
public:
    PictureCache() = default;
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // Null bitmap when the resource is missing or cannot be decoded.
    const Picture& Get(const std::string& name);

private:
    std::map<std::string, Picture> pictures_;
};

// Decodes one PNG resource of the given module; exposed for the tests of the art.
Picture LoadPngResource(HMODULE module, const std::wstring& name);

} // namespace vorlane::win32
