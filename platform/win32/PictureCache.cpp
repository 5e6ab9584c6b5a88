#include "platform/win32/PictureCache.h"

#include "core/AreaResample.h"
#include "platform/win32/Com.h"
#include "platform/win32/Utf16.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <utility>

// ntdll is in every process already; no SDK header of user mode declares this.
extern "C" __declspec(dllimport) LONG NTAPI
    RtlDecompressBuffer(USHORT format, PUCHAR uncompressed, ULONG uncompressedSize,
                        PUCHAR compressed, ULONG compressedSize, PULONG finalSize);

namespace vorlane::win32 {

namespace {

// Made when the first PNG is decoded (the info dialog opening), not at start-up: COM and WIC
// cost tens of milliseconds to load.
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

// A top-down 32-bit DIB section and its pixels; null when it cannot be made.
HBITMAP MakeDib(UINT width, UINT height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

std::span<const std::uint8_t> ResourceBytes(HMODULE module, const std::wstring& name,
                                            const wchar_t* type) {
    HRSRC found = FindResourceW(module, name.c_str(), type);
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    if (bytes == nullptr) {
        return {};
    }
    return {bytes, SizeofResource(module, found)};
}

std::uint32_t LittleEndian(std::span<const std::uint8_t> bytes) {
    std::uint32_t value = 0;
    for (size_t i = bytes.size(); i > 0; --i) {
        value = (value << 8) | bytes[i - 1];
    }
    return value;
}

constexpr size_t kPixelsHeaderSize = 12;
constexpr std::uint32_t kEveryPixelOpaque = 1;

} // namespace

Picture DecodePixels(std::span<const std::uint8_t> bytes) {
    Picture picture;
    if (bytes.size() <= kPixelsHeaderSize || std::memcmp(bytes.data(), "VLPX", 4) != 0) {
        return picture;
    }
    const std::uint32_t width = LittleEndian(bytes.subspan(4, 2));
    const std::uint32_t height = LittleEndian(bytes.subspan(6, 2));
    const std::uint32_t flags = LittleEndian(bytes.subspan(8, 4));
    const std::span<const std::uint8_t> packed = bytes.subspan(kPixelsHeaderSize);
    const std::uint64_t size = std::uint64_t{width} * height * 4;
    if (size == 0 || size > MAXDWORD) {
        return picture;
    }
    void* bits = nullptr;
    UniqueGdiObject<HBITMAP> bitmap(MakeDib(width, height, &bits));
    if (!bitmap.Valid()) {
        return picture;
    }
    ULONG unpacked = 0;
    // The pixels go straight into the bitmap; RtlDecompressBuffer only reads its input.
    const LONG status = RtlDecompressBuffer(
        COMPRESSION_FORMAT_LZNT1, static_cast<PUCHAR>(bits), static_cast<ULONG>(size),
        const_cast<PUCHAR>(packed.data()), static_cast<ULONG>(packed.size()), &unpacked);
    if (status < 0 || unpacked != size) { // a short stream would leave pixels unset
        return picture;
    }
    picture.bitmap = std::move(bitmap);
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.opaque = (flags & kEveryPixelOpaque) != 0;
    return picture;
}

Picture DecodePng(std::span<const std::uint8_t> bytes) {
    Picture picture;
    if (bytes.empty() || Factory() == nullptr) {
        return picture;
    }
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    // The stream only reads the bytes.
    if (FAILED(Factory()->CreateStream(stream.Put())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()),
                                            static_cast<DWORD>(bytes.size()))) ||
        FAILED(Factory()->CreateDecoderFromStream(stream.Get(), nullptr,
                                                  WICDecodeMetadataCacheOnLoad, decoder.Put())) ||
        FAILED(decoder->GetFrame(0, frame.Put())) ||
        FAILED(Factory()->CreateFormatConverter(converter.Put())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return picture;
    }
    UINT width = 0;
    UINT height = 0;
    converter->GetSize(&width, &height);
    void* bits = nullptr;
    UniqueGdiObject<HBITMAP> bitmap(MakeDib(width, height, &bits));
    if (!bitmap.Valid() || FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                                        static_cast<BYTE*>(bits)))) {
        return picture;
    }
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    picture.opaque = std::all_of(pixels, pixels + static_cast<size_t>(width) * height,
                                 [](std::uint32_t pixel) { return (pixel >> 24) == 0xFF; });
    picture.bitmap = std::move(bitmap);
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    return picture;
}

Picture LoadPixelsResource(HMODULE module, const std::wstring& name) {
    return DecodePixels(ResourceBytes(module, name, kPixelsResourceType));
}

Picture LoadPictureResource(HMODULE module, const std::wstring& name) {
    const std::span<const std::uint8_t> pixels = ResourceBytes(module, name, kPixelsResourceType);
    if (!pixels.empty()) {
        return DecodePixels(pixels);
    }
    return DecodePng(ResourceBytes(module, name, MAKEINTRESOURCEW(10))); // RT_RCDATA
}

Picture ResamplePicture(const Picture& source, int width, int height) {
    DIBSECTION section{};
    if (!source.bitmap.Valid() ||
        GetObjectW(source.bitmap.Get(), sizeof(section), &section) != sizeof(section) ||
        section.dsBm.bmBits == nullptr) {
        return {};
    }
    const auto* from = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    const PixelGrid grid = ResampleByArea(
        std::span(from, static_cast<size_t>(source.width) * static_cast<size_t>(source.height)),
        source.width, source.height, width, height);
    void* bits = nullptr;
    UniqueGdiObject<HBITMAP> bitmap(
        grid.pixels.empty() ? nullptr
                            : MakeDib(static_cast<UINT>(width), static_cast<UINT>(height), &bits));
    if (!bitmap.Valid()) {
        return {};
    }
    std::memcpy(bits, grid.pixels.data(), grid.pixels.size() * sizeof(std::uint32_t));
    Picture picture;
    picture.bitmap = std::move(bitmap);
    picture.width = width;
    picture.height = height;
    picture.opaque = source.opaque;
    return picture;
}

const Picture& PictureCache::Get(const std::string& name, int dpi, int designLeft, int designTop) {
    const auto loaded = [this](const std::tuple<std::string, int, int, int>& key,
                               const std::string& resource) -> const Picture& {
        auto found = pictures_.find(key);
        if (found == pictures_.end()) {
            found =
                pictures_
                    .emplace(key, LoadPictureResource(GetModuleHandleW(nullptr), Widen(resource)))
                    .first;
        }
        return found->second;
    };
    if (dpi == kDesignDpi) {
        return loaded(std::make_tuple(name, kDesignDpi, 0, 0), name);
    }
    // The 200 % drawing where there is one; without it the 100 % picture is enlarged.
    const Picture& twice =
        loaded(std::make_tuple(name, 2 * kDesignDpi, 0, 0), name + kDoubleSizeSuffix);
    const bool drawnTwice = twice.bitmap.Valid();
    const Picture& source =
        drawnTwice ? twice : loaded(std::make_tuple(name, kDesignDpi, 0, 0), name);
    const int designWidth = drawnTwice ? source.width / 2 : source.width;
    const int designHeight = drawnTwice ? source.height / 2 : source.height;
    // Its edges placed as the layout places them, so it fills its control exactly.
    const ScreenRect at =
        ScaleRect(ScreenRect{designLeft, designTop, designWidth, designHeight}, dpi);
    if (at.width == source.width && at.height == source.height) {
        return source;
    }
    const auto key = std::make_tuple(name, dpi, at.width, at.height);
    auto found = pictures_.find(key);
    if (found != pictures_.end()) {
        return found->second;
    }
    return pictures_[key] = ResamplePicture(source, at.width, at.height);
}

} // namespace vorlane::win32
