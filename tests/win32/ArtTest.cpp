// The pictures in the exe: each at its exact size, each button's Normal picture sitting
// seamlessly on the background where the button is drawn, and the pre-decoded pixels equal to
// what the Windows Imaging Component makes of the PNG masters.
#include "platform/win32/PictureCache.h"
#include "tests/support/WineHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

struct Pixels {
    int width = 0;
    int height = 0;
    bool opaque = false;
    std::vector<std::uint32_t> argb; // premultiplied
};

// Copies the picture's pixels out and lets the bitmap go.
Pixels Take(const win32::Picture& picture) {
    Pixels pixels;
    if (!picture.bitmap.Valid()) {
        return pixels;
    }
    pixels.width = picture.width;
    pixels.height = picture.height;
    pixels.opaque = picture.opaque;
    pixels.argb.resize(static_cast<size_t>(picture.width * picture.height));
    GetBitmapBits(picture.bitmap.Get(), static_cast<LONG>(pixels.argb.size() * 4),
                  pixels.argb.data());
    return pixels;
}

std::wstring Wide(const std::string& name) {
    return {name.begin(), name.end()};
}

// As the windows load it: pre-decoded where the exe holds it so, else PNG.
Pixels Read(const std::string& name) {
    return Take(win32::LoadPictureResource(GetModuleHandleW(nullptr), Wide(name)));
}

std::vector<std::uint8_t> FileBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The master PNG of a picture, as committed in assets/png.
std::vector<std::uint8_t> MasterPng(const std::string& name) {
    return FileBytes(
        testsupport::ToWindowsPath(Wide(std::string(VORLANE_PNG_DIR) + "/" + name + ".png")));
}

std::span<const std::uint8_t> ResourceBytes(const std::wstring& name, const wchar_t* type) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name.c_str(), type);
    if (found == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found))),
            SizeofResource(module, found)};
}

std::string Capitals(std::string name) {
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name;
}

// The resource compiler stores names in capitals (Windows finds them regardless of case).
std::set<std::string> PixelsResourceNames() {
    std::set<std::string> names;
    EnumResourceNamesW(
        GetModuleHandleW(nullptr), win32::kPixelsResourceType,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
            if (!IS_INTRESOURCE(name)) {
                reinterpret_cast<std::set<std::string>*>(found)->insert(
                    Capitals(std::string(name, name + wcslen(name))));
            }
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&names));
    return names;
}

struct ButtonArt {
    const char* name;
    int left, top, width, height; // the picture's size, which may exceed the control
};

constexpr ButtonArt kButtons[] = {
    {"btnMinusOne", 13, 179, 50, 53}, {"btnMinusFive", 2, 130, 56, 56},
    {"btnPlusOne", 107, 179, 50, 53}, {"btnPlusFive", 113, 130, 56, 56},
    {"btnPlay", 70, 165, 32, 56},     {"btnStop", 91, 128, 26, 39},
    {"btnPause", 54, 128, 26, 39},    {"btnOpenMP3", 76, 122, 18, 25},
    {"btnMinimize", 64, 9, 21, 16},   {"btnExit", 85, 9, 21, 16},
    {"btnSetTime", 37, 123, 17, 20},  {"btnHelp", 119, 123, 17, 20},
};
constexpr const char* kLooks[] = {"Normal", "Hover", "Active"};
constexpr const char* kMenuPictures[] = {
    "mnuSet",      "mnuInfo",    "mnuVisitArdeway", "mnuOpenConfigFolderHere",
    "mnuMinimize", "mnuRestore", "mnuExit"};
constexpr const char* kInfoDialogPictures[] = {"imgBackground", "btnArdewayIconNormal",
                                               "btnArdewayIconHover", "btnArdewayIconActive"};

// Every picture the main window and the tray menu show.
std::set<std::string> MainWindowPictures() {
    std::set<std::string> names = {"imgForm", "imgBackgroundBlink"};
    for (const ButtonArt& button : kButtons) {
        for (const char* look : kLooks) {
            names.insert(std::string(button.name) + look);
        }
    }
    names.insert(std::begin(kMenuPictures), std::end(kMenuPictures));
    return names;
}

TEST(Art, EveryPictureExistsAtItsSize) {
    struct Size {
        std::string name;
        int width, height;
    };
    std::vector<Size> sizes = {{"imgForm", 171, 238},           {"imgBackgroundBlink", 122, 70},
                               {"imgBackground", 477, 413},     {"btnArdewayIconNormal", 77, 90},
                               {"btnArdewayIconHover", 77, 90}, {"btnArdewayIconActive", 77, 90}};
    for (const ButtonArt& button : kButtons) {
        for (const char* look : kLooks) {
            sizes.push_back({std::string(button.name) + look, button.width, button.height});
        }
    }
    for (const char* menu : kMenuPictures) {
        sizes.push_back({menu, 16, 16});
    }
    for (const Size& size : sizes) {
        SCOPED_TRACE(size.name);
        const Pixels pixels = Read(size.name);
        EXPECT_EQ(pixels.width, size.width);
        EXPECT_EQ(pixels.height, size.height);
    }
    EXPECT_NE(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)), nullptr);
}

// The first paint must not need WIC: the exe holds exactly the main window's and the menu's
// pictures pre-decoded, and only the info dialog's as PNG.
TEST(Art, MainWindowPicturesArePreDecodedAndInfoDialogPicturesArePng) {
    std::set<std::string> expected;
    for (const std::string& name : MainWindowPictures()) {
        expected.insert(Capitals(name));
    }
    EXPECT_EQ(PixelsResourceNames(), expected);
    for (const std::string& name : MainWindowPictures()) {
        EXPECT_TRUE(ResourceBytes(Wide(name), RT_RCDATA).empty()) << name << " is also a PNG";
    }
    for (const char* name : kInfoDialogPictures) {
        EXPECT_FALSE(ResourceBytes(Wide(name), RT_RCDATA).empty()) << name;
        EXPECT_TRUE(ResourceBytes(Wide(name), win32::kPixelsResourceType).empty()) << name;
    }
}

TEST(Art, PreDecodedPicturesEqualTheirPngMastersDecodedByWic) {
    for (const std::string& name : MainWindowPictures()) {
        SCOPED_TRACE(name);
        const Pixels stored =
            Take(win32::LoadPixelsResource(GetModuleHandleW(nullptr), Wide(name)));
        const Pixels master = Take(win32::DecodePng(MasterPng(name)));
        ASSERT_GT(master.width, 0) << "master PNG not read";
        EXPECT_EQ(stored.width, master.width);
        EXPECT_EQ(stored.height, master.height);
        EXPECT_EQ(stored.opaque, master.opaque);
        ASSERT_EQ(stored.argb.size(), master.argb.size());
        size_t different = 0;
        size_t first = 0;
        for (size_t i = 0; i < master.argb.size(); ++i) {
            if (stored.argb[i] != master.argb[i] && different++ == 0) {
                first = i;
            }
        }
        EXPECT_EQ(different, 0u) << "first at pixel " << first << ": " << std::hex
                                 << stored.argb[first] << " instead of " << master.argb[first];
    }
}

TEST(Art, BrokenPreDecodedPicturesGiveNoBitmap) {
    const std::span<const std::uint8_t> stored =
        ResourceBytes(L"imgForm", win32::kPixelsResourceType);
    ASSERT_GT(stored.size(), 12u);
    const std::vector<std::uint8_t> whole(stored.begin(), stored.end());
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases = {
        {"cut short", {whole.begin(), whole.end() - 100}},
        {"header alone", {whole.begin(), whole.begin() + 12}},
        {"taller than its pixels", whole},
        {"no width", whole},
        {"another magic", whole},
    };
    cases[2].bytes[6] = static_cast<std::uint8_t>(cases[2].bytes[6] + 1);
    cases[3].bytes[4] = cases[3].bytes[5] = 0;
    cases[4].bytes[0] = 'X';
    for (const Case& broken : cases) {
        const win32::Picture picture = win32::DecodePixels(broken.bytes);
        EXPECT_FALSE(picture.bitmap.Valid()) << broken.what;
    }
    const Pixels intact = Take(win32::DecodePixels(whole));
    EXPECT_EQ(intact.width, 171);
    EXPECT_TRUE(intact.opaque);
}

// The art script stores a chunk as it is where packing would not make it smaller (none of
// today's pictures has one): a whole 4096-byte chunk and a shorter last one.
TEST(Art, PreDecodedPixelsMayBeStoredUnpacked) {
    constexpr int kWidth = 32;
    constexpr int kHeight = 33; // 4224 bytes of pixels
    std::vector<std::uint32_t> pixels(kWidth * kHeight);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
    }
    std::vector<std::uint8_t> bytes = {'V', 'L', 'P', 'X', kWidth, 0, kHeight, 0, 1, 0, 0, 0};
    const auto* raw = reinterpret_cast<const std::uint8_t*>(pixels.data());
    for (size_t start = 0; start < pixels.size() * 4; start += 4096) {
        const size_t size = std::min<size_t>(4096, pixels.size() * 4 - start);
        const auto header = static_cast<std::uint16_t>(0x3000 | (size - 1));
        bytes.push_back(static_cast<std::uint8_t>(header & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(header >> 8));
        bytes.insert(bytes.end(), raw + start, raw + start + size);
    }
    const Pixels decoded = Take(win32::DecodePixels(bytes));
    EXPECT_EQ(decoded.width, kWidth);
    EXPECT_EQ(decoded.height, kHeight);
    EXPECT_TRUE(decoded.opaque);
    EXPECT_EQ(decoded.argb, pixels);
}

TEST(Art, BlinkPictureIsOpaqueSlateBlue) {
    const Pixels blink = Read("imgBackgroundBlink");
    ASSERT_FALSE(blink.argb.empty());
    EXPECT_TRUE(blink.opaque);
    int slate = 0;
    for (std::uint32_t pixel : blink.argb) {
        ASSERT_EQ(pixel >> 24, 0xFFu);
        slate += (pixel & 0xFFFFFF) == 0x607389 ? 1 : 0;
    }
    EXPECT_GT(slate, static_cast<int>(blink.argb.size()) / 2);
}

TEST(Art, NormalButtonsMatchTheBackgroundWhereOpaque) {
    const Pixels background = Read("imgForm");
    ASSERT_EQ(background.width, 171);
    for (const ButtonArt& button : kButtons) {
        SCOPED_TRACE(button.name);
        const Pixels normal = Read(std::string(button.name) + "Normal");
        ASSERT_EQ(normal.width, button.width);
        EXPECT_FALSE(normal.opaque);
        int opaque = 0;
        int worst = 0;
        for (int y = 0; y < normal.height; ++y) {
            for (int x = 0; x < normal.width; ++x) {
                const int bx = button.left + x;
                const int by = button.top + y;
                if (bx >= background.width || by >= background.height) {
                    continue;
                }
                const std::uint32_t p = normal.argb[static_cast<size_t>(y * normal.width + x)];
                const std::uint32_t alpha = p >> 24;
                if (alpha == 0) {
                    continue;
                }
                ++opaque;
                const std::uint32_t b =
                    background.argb[static_cast<size_t>(by * background.width + bx)];
                // Source-over of the premultiplied picture on the opaque background.
                for (int shift : {0, 8, 16}) {
                    const int over = static_cast<int>((p >> shift) & 0xFF) +
                                     static_cast<int>(((b >> shift) & 0xFF) * (255 - alpha) / 255);
                    worst = std::max(worst, std::abs(over - static_cast<int>((b >> shift) & 0xFF)));
                }
            }
        }
        // An empty picture would match anything: each must carry its button.
        EXPECT_GT(opaque, normal.width * normal.height / 6);
        EXPECT_LE(worst, 3);
    }
}

TEST(Art, HoverAndActiveLooksDifferFromNormal) {
    for (const ButtonArt& button : kButtons) {
        SCOPED_TRACE(button.name);
        const Pixels normal = Read(std::string(button.name) + "Normal");
        for (const char* look : {"Hover", "Active"}) {
            const Pixels other = Read(std::string(button.name) + look);
            ASSERT_EQ(other.argb.size(), normal.argb.size());
            int different = 0;
            for (size_t i = 0; i < normal.argb.size(); ++i) {
                different += normal.argb[i] != other.argb[i] ? 1 : 0;
            }
            EXPECT_GT(different, static_cast<int>(normal.argb.size()) / 10) << look;
        }
    }
}

} // namespace
} // namespace vorlane::testing
