#include "platform/win32/Pictures.h"

#include "platform/win32/Com.h"
#include "platform/win32/Utf16.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdint>

namespace vorlane::win32 {

namespace {

template <typename T> struct ComPtr {
    T* p = nullptr;
    ~ComPtr() {
        if (p != nullptr) {
            p->Release();
        }
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

IWICImagingFactory* Factory() {
    static IWICImagingFactory* factory = [] {
        UseCom();
        IWICImagingFactory* made = nullptr;
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_IWICImagingFactory, reinterpret_cast<void**>(&made));
        return made;
    }();
    return factory;
}

} // namespace

Picture LoadPngResource(HMODULE module, const std::wstring& name) {
    Picture picture;
    HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (found == nullptr || Factory() == nullptr) {
        return picture;
    }
    HGLOBAL loaded = LoadResource(module, found);
    auto* bytes = static_cast<BYTE*>(LockResource(loaded));
    const DWORD size = SizeofResource(module, found);
    if (bytes == nullptr || size == 0) {
        return picture;
    }
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(Factory()->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(bytes, size)) ||
        FAILED(Factory()->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnLoad,
                                                  &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(Factory()->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return picture;
    }
    UINT width = 0;
    UINT height = 0;
    converter->GetSize(&width, &height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return picture;
    }
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                     static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return picture;
    }
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    picture.opaque = std::all_of(pixels, pixels + static_cast<size_t>(width) * height,
                                 [](std::uint32_t pixel) { return (pixel >> 24) == 0xFF; });
    picture.bitmap = bitmap;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    return picture;
}

const Picture& PictureCache::Get(const std::string& name) {
    auto found = pictures_.find(name);
    if (found != pictures_.end()) {
        return found->second;
    }
    return pictures_[name] = LoadPngResource(GetModuleHandleW(nullptr), Widen(name));
}

PictureCache::~PictureCache() {
    for (auto& [name, picture] : pictures_) {
        if (picture.bitmap != nullptr) {
            DeleteObject(picture.bitmap);
        }
    }
}

} // namespace vorlane::win32
