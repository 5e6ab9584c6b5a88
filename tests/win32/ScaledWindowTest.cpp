// The main window at the DPI of the display it runs on (the Wine prefix's LogPixels): its
// size, its round shape, its fields, the texts in them, and its pictures drawn for the scale.
// Run with LogPixels at 96, 144 and 192.
#include "Win32Fixture.h"

#include "core/DisplayScale.h"
#include "platform/win32/PictureCache.h"
#include "tests/support/WineHost.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

TEST_F(Win32Window, SizeAndRoundShapeFollowTheDisplaysDpi) {
    ASSERT_NE(window, nullptr);
    const int dpi = form->Dpi();
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(dpi, GetDeviceCaps(screen, LOGPIXELSY)) << "the window takes the display's DPI";
    ReleaseDC(nullptr, screen);
    RECT bounds;
    GetWindowRect(window, &bounds);
    const int width = ScaleLength(171, dpi);
    const int height = ScaleLength(238, dpi);
    EXPECT_EQ(bounds.right - bounds.left, width);
    EXPECT_EQ(bounds.bottom - bounds.top, height);

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(window, region), COMPLEXREGION);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, ScaleLength(-1, dpi));
    EXPECT_EQ(box.top, ScaleLength(-1, dpi));
    // The middle of each edge is in, the corners are out, as at 96 DPI.
    const struct {
        int x, y;
        bool inside;
    } points[] = {{width / 2, 0, true},
                  {0, height / 2, true},
                  {width - 1, height / 2, true},
                  {width / 2, height - 1, true},
                  {ScaleLength(2, dpi), ScaleLength(2, dpi), false},
                  {width - 1 - ScaleLength(2, dpi), height - 1 - ScaleLength(2, dpi), false}};
    for (const auto& p : points) {
        EXPECT_EQ(PtInRegion(region, p.x, p.y) != FALSE, p.inside) << p.x << "," << p.y;
    }
    DeleteObject(region);
}

TEST_F(Win32Window, FieldsSitAtTheirScaledRectanglesAndEveryTextFits) {
    const int dpi = form->Dpi();
    // The longest texts each line shows.
    form->edtTimeMinutes.SetText("998");
    form->edtTimeSeconds.SetText("59");
    form->edtSecondTextLine.SetText("MP3 auswählen");
    form->edtFirstTextLine.SetText("Tee ist fertig, los!"); // a 20-character reminder
    form->edtFirstTextLine.Show();
    form->edtHinweiseLabel.SetText("Zielzeit:");
    form->edtHinweiseLabel.Show();
    Pump(50);
    const struct {
        int id;
        Rect design;
        const wchar_t* text;
    } fields[] = {
        {kIdTimeMinutes, {47, 47, 34, 21}, L"998"},
        {kIdTimeColon, {82, 47, 7, 21}, L":"},
        {kIdTimeSeconds, {91, 47, 24, 21}, L"59"},
        {kIdSecondTextLine, {35, 77, 100, 15}, L"MP3 auswählen"},
        {kIdFirstTextLine, {35, 72, 100, 15}, L"Tee ist fertig, los!"},
        {kIdHinweiseLabel, {48, 34, 75, 13}, L"Zielzeit:"},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.id);
        HWND field = Field(f.id);
        ASSERT_NE(field, nullptr);
        RECT rect;
        GetWindowRect(field, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        const ScreenRect expected = ScaleRect(
            ScreenRect{f.design.left, f.design.top, f.design.width, f.design.height}, dpi);
        EXPECT_EQ(rect.left, expected.left);
        EXPECT_EQ(rect.top, expected.top);
        EXPECT_EQ(rect.right - rect.left, expected.width);
        EXPECT_EQ(rect.bottom - rect.top, expected.height);

        // The text in the field's own font, against the room the field gives it.
        HDC dc = GetDC(field);
        auto font = reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0));
        HGDIOBJ before = SelectObject(dc, font);
        SIZE extent{};
        GetTextExtentPoint32W(dc, f.text, static_cast<int>(wcslen(f.text)), &extent);
        SelectObject(dc, before);
        ReleaseDC(field, dc);
        RECT client;
        GetClientRect(field, &client);
        const DWORD margins = static_cast<DWORD>(SendMessageW(field, EM_GETMARGINS, 0, 0));
        const int room = client.right - LOWORD(margins) - HIWORD(margins);
        EXPECT_LE(extent.cx, room) << "text " << extent.cx << " wide in " << room;
        EXPECT_LE(extent.cy, client.bottom + 1) << "text " << extent.cy << " high";
    }
}

TEST_F(Win32Window, MovedToAMonitorOfAnotherDpiTheWindowTakesItsScale) {
    const int next = form->Dpi() == 144 ? 192 : 144;
    RECT suggested{100, 120, 100 + ScaleLength(171, next), 120 + ScaleLength(238, next)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(next, next),
                 reinterpret_cast<LPARAM>(&suggested));
    Pump(50);
    RECT bounds;
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.left, 100);
    EXPECT_EQ(bounds.top, 120);
    EXPECT_EQ(bounds.right - bounds.left, ScaleLength(171, next));
    EXPECT_EQ(bounds.bottom - bounds.top, ScaleLength(238, next));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(window, region), COMPLEXREGION);
    RECT box;
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_EQ(box.left, ScaleLength(-1, next));

    HWND minutes = Field(kIdTimeMinutes);
    RECT rect;
    GetWindowRect(minutes, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    const ScreenRect expected = ScaleRect(ScreenRect{47, 47, 34, 21}, next);
    EXPECT_EQ(rect.left, expected.left);
    EXPECT_EQ(rect.right - rect.left, expected.width);
    LOGFONTW font{};
    ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(minutes, WM_GETFONT, 0, 0)),
                         sizeof(font), &font),
              0);
    EXPECT_EQ(font.lfHeight, -MulDiv(9, next, 72));
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(
        std::filesystem::path(testsupport::ToWindowsPath(std::wstring(path.begin(), path.end()))),
        std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint32_t> PixelsOf(const win32::Picture& picture) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(picture.width) *
                                      static_cast<size_t>(picture.height));
    GetBitmapBits(picture.bitmap.Get(), static_cast<LONG>(pixels.size() * 4), pixels.data());
    return pixels;
}

// The background picture at 150 % and 200 % against the drawing rendered at that size: at
// 200 % the drawing itself, at 150 % made from it with at most the softness of one reduction
// (an enlarged 100 % picture differs three times as much on average, and far more on edges).
TEST(ScaledArt, TheBackgroundAtEachScaleIsTheDrawingRenderedAtThatScale) {
    const struct {
        int dpi;
        const char* reference;
        double meanDifference;
        double shareFarOff; // pixels with a channel more than 32 off
    } cases[] = {
        {144, VORLANE_REFERENCE_DIR "/imgForm-150.png", 2.0, 0.005},
        {192, VORLANE_PNG200_DIR "/imgForm.png", 0.0, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        win32::PictureCache pictures;
        const win32::Picture& picture = pictures.Get("imgForm", c.dpi);
        const win32::Picture reference = win32::DecodePng(FileBytes(c.reference));
        ASSERT_TRUE(picture.bitmap.Valid());
        ASSERT_TRUE(reference.bitmap.Valid()) << c.reference;
        ASSERT_EQ(picture.width, reference.width);
        ASSERT_EQ(picture.height, reference.height);
        EXPECT_EQ(picture.width, ScaleLength(171, c.dpi));
        const std::vector<std::uint32_t> made = PixelsOf(picture);
        const std::vector<std::uint32_t> drawn = PixelsOf(reference);
        double total = 0;
        size_t farOff = 0;
        for (size_t i = 0; i < made.size(); ++i) {
            int worst = 0;
            for (int shift : {0, 8, 16}) {
                const int d = std::abs(static_cast<int>((made[i] >> shift) & 0xFF) -
                                       static_cast<int>((drawn[i] >> shift) & 0xFF));
                total += d;
                worst = std::max(worst, d);
            }
            farOff += worst > 32 ? 1 : 0;
        }
        EXPECT_LE(total / (3.0 * static_cast<double>(made.size())), c.meanDifference);
        EXPECT_LE(static_cast<double>(farOff) / static_cast<double>(made.size()), c.shareFarOff);
    }
}

// Every picture has its 200 % drawing at exactly twice its size, but the info dialog's
// background, which is enlarged from its 100 % picture; at 120 DPI each is the size the layout
// gives its control.
TEST(ScaledArt, EveryPictureHasItsSizeAtEveryScale) {
    const struct {
        const char* name;
        int left, top, width, height;
    } pictures[] = {
        {"imgForm", 0, 0, 171, 238},
        {"imgBackgroundBlink", 24, 36, 122, 70},
        {"btnPlusFiveNormal", 113, 130, 56, 56},
        {"btnMinusOneActive", 13, 179, 50, 53},
        {"btnExitHover", 85, 9, 21, 16},
        {"mnuExit", 0, 0, 16, 16},
        {"imgBackground", 0, 0, 477, 413},
        {"btnArdewayIconHover", 390, 310, 77, 90},
    };
    win32::PictureCache cache;
    for (const auto& p : pictures) {
        for (const int dpi : {120, 144, 192, 288}) {
            SCOPED_TRACE(std::string(p.name) + " at " + std::to_string(dpi));
            const win32::Picture& picture = cache.Get(p.name, dpi, p.left, p.top);
            const ScreenRect at = ScaleRect(ScreenRect{p.left, p.top, p.width, p.height}, dpi);
            ASSERT_TRUE(picture.bitmap.Valid());
            EXPECT_EQ(picture.width, at.width);
            EXPECT_EQ(picture.height, at.height);
        }
        const bool drawnTwice = std::string(p.name) != "imgBackground";
        HRSRC twice = FindResourceW(
            GetModuleHandleW(nullptr),
            (std::wstring(p.name, p.name + strlen(p.name)) + L"_2x").c_str(), MAKEINTRESOURCEW(10));
        EXPECT_EQ(twice != nullptr, drawnTwice) << p.name;
    }
}

} // namespace
} // namespace vorlane::testing
