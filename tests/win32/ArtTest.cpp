// The pictures in the exe: each at its exact size, and each button's Normal picture
// sitting seamlessly on the background where the button is drawn.
#include "platform/win32/Pictures.h"

#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb; // premultiplied
};

Pixels Read(const std::string& name) {
    const win32::Picture picture =
        win32::LoadPngResource(GetModuleHandleW(nullptr), std::wstring(name.begin(), name.end()));
    Pixels pixels;
    if (picture.bitmap == nullptr) {
        return pixels;
    }
    pixels.width = picture.width;
    pixels.height = picture.height;
    pixels.argb.resize(static_cast<size_t>(picture.width * picture.height));
    GetBitmapBits(picture.bitmap, static_cast<LONG>(pixels.argb.size() * 4), pixels.argb.data());
    DeleteObject(picture.bitmap);
    return pixels;
}

class Art : public ::testing::Test {
protected:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { CoUninitialize(); }
};

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

TEST_F(Art, EveryPictureExistsAtItsSize) {
    struct Size {
        std::string name;
        int width, height;
    };
    std::vector<Size> sizes = {{"imgForm", 171, 238},           {"imgBackgroundBlink", 122, 70},
                               {"imgBackground", 477, 413},     {"btnArdewayIconNormal", 77, 90},
                               {"btnArdewayIconHover", 77, 90}, {"btnArdewayIconActive", 77, 90}};
    for (const ButtonArt& button : kButtons) {
        for (const char* look : {"Normal", "Hover", "Active"}) {
            sizes.push_back({std::string(button.name) + look, button.width, button.height});
        }
    }
    for (const char* menu : {"mnuSet", "mnuInfo", "mnuVisitArdeway", "mnuOpenConfigFolderHere",
                             "mnuMinimize", "mnuRestore", "mnuExit"}) {
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

TEST_F(Art, BlinkPictureIsOpaqueSlateBlue) {
    const Pixels blink = Read("imgBackgroundBlink");
    ASSERT_FALSE(blink.argb.empty());
    int slate = 0;
    for (std::uint32_t pixel : blink.argb) {
        ASSERT_EQ(pixel >> 24, 0xFFu);
        slate += (pixel & 0xFFFFFF) == 0x607389 ? 1 : 0;
    }
    EXPECT_GT(slate, static_cast<int>(blink.argb.size()) / 2);
}

TEST_F(Art, NormalButtonsMatchTheBackgroundWhereOpaque) {
    const Pixels background = Read("imgForm");
    ASSERT_EQ(background.width, 171);
    for (const ButtonArt& button : kButtons) {
        SCOPED_TRACE(button.name);
        const Pixels normal = Read(std::string(button.name) + "Normal");
        ASSERT_EQ(normal.width, button.width);
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

TEST_F(Art, HoverAndActiveLooksDifferFromNormal) {
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
