#include "Win32Fixture.h"

#include "platform/Dispatch.h"

#include <string>

namespace vorlane::testing {
namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

TEST_F(Win32Window, IsAnEllipticBorderlessToolWindowWithoutTaskbarButton) {
    ASSERT_NE(window, nullptr);
    RECT bounds;
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 171);
    EXPECT_EQ(bounds.bottom - bounds.top, 238);

    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU), 0);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);
    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), COMPLEXREGION);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, -1);
    EXPECT_EQ(box.top, -1);
    const struct {
        int x, y;
        bool inside;
    } points[] = {{85, 0, true},   {0, 119, true},    {170, 119, true},
                  {85, 237, true}, {2, 2, false},     {168, 2, false},
                  {2, 235, false}, {168, 235, false}, {85, 119, true}};
    for (const auto& p : points) {
        EXPECT_EQ(PtInRegion(region, p.x, p.y) != FALSE, p.inside) << p.x << "," << p.y;
    }
    DeleteObject(region);
}

TEST_F(Win32Window, FieldsSitAtTheirRectanglesWithTheirTexts) {
    // Fields hidden at start get their window when first shown, with what the model holds
    // by then.
    EXPECT_EQ(Field(kIdFirstTextLine), nullptr);
    EXPECT_EQ(Field(kIdTimeSelectionOkay), nullptr);
    form->btnTimeSelectionOkay.SetText("OK!");
    form->edtFirstTextLine.Show();
    form->btnTimeSelectionOkay.Show();
    const struct {
        int id;
        RECT bounds;
        bool visible;
        const wchar_t* text;
    } fields[] = {
        {kIdTimeMinutes, {47, 47, 81, 68}, true, L"12"},
        {kIdTimeColon, {82, 47, 89, 68}, true, L":"},
        {kIdTimeSeconds, {91, 47, 115, 68}, true, L"00"},
        {kIdFirstTextLine, {35, 72, 135, 87}, true, L"Vezov!"},
        {kIdSecondTextLine, {35, 77, 135, 92}, true, L"MP3 auswählen"},
        {kIdTimeSelectionOkay, {70, 74, 102, 90}, true, L"OK!"},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.id);
        HWND field = Field(f.id);
        ASSERT_NE(field, nullptr);
        RECT rect;
        GetWindowRect(field, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, f.bounds.left);
        EXPECT_EQ(rect.top, f.bounds.top);
        EXPECT_EQ(rect.right, f.bounds.right);
        EXPECT_EQ(rect.bottom, f.bounds.bottom);
        EXPECT_EQ((GetWindowLongPtrW(field, GWL_STYLE) & WS_VISIBLE) != 0, f.visible);
        EXPECT_EQ(TextOf(field), f.text);
        EXPECT_EQ(GetWindowLongPtrW(field, GWL_STYLE) & WS_BORDER, 0);
    }
    // A field made later stacks as if it had been made with the window: the first text line
    // lies over the second, which it overlaps.
    HWND below = Field(kIdFirstTextLine);
    while (below != nullptr && below != Field(kIdSecondTextLine)) {
        below = GetWindow(below, GW_HWNDNEXT);
    }
    EXPECT_EQ(below, Field(kIdSecondTextLine)) << "the first text line lies over the second";
    EXPECT_NE(GetWindowLongPtrW(Field(kIdTimeMinutes), GWL_STYLE) & ES_RIGHT, 0);
    EXPECT_NE(GetWindowLongPtrW(Field(kIdTimeColon), GWL_STYLE) & ES_READONLY, 0);

    // Tahoma bold 9 pt in the time fields.
    auto font = reinterpret_cast<HFONT>(SendMessageW(Field(kIdTimeMinutes), WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    ASSERT_NE(GetObjectW(font, sizeof(logFont), &logFont), 0);
    EXPECT_STREQ(logFont.lfFaceName, L"Tahoma");
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(logFont.lfHeight, -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);

    // The media player lies outside the window: never seen, but it can take the focus.
    RECT player;
    GetWindowRect(Field(kIdMediaPlayer), &player);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&player), 2);
    EXPECT_GE(player.left, 171);
    EXPECT_GE(player.top, 238);
}

TEST_F(Win32Window, FieldColoursFollowTheLook) {
    HWND minutes = Field(kIdTimeMinutes);
    HWND colon = Field(kIdTimeColon);
    HDC dc = CreateCompatibleDC(nullptr);
    auto colours = [&](HWND field, UINT message) {
        auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
            window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field)));
        LOGBRUSH logBrush{};
        GetObjectW(brush, sizeof(logBrush), &logBrush);
        return std::make_tuple(logBrush.lbColor, GetBkColor(dc), GetTextColor(dc));
    };
    EXPECT_EQ(colours(minutes, WM_CTLCOLOREDIT),
              std::make_tuple(RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0)));
    Dispatch([&] { form->countdown().ShowAlarmColors(); });
    EXPECT_EQ(colours(minutes, WM_CTLCOLOREDIT),
              std::make_tuple(RGB(96, 115, 137), RGB(96, 115, 137), RGB(255, 255, 255)));
    // The read-only colon asks as a static field.
    EXPECT_EQ(colours(colon, WM_CTLCOLORSTATIC),
              std::make_tuple(RGB(96, 115, 137), RGB(96, 115, 137), RGB(255, 255, 255)));
    Dispatch([&] { form->countdown().ShowNormalColors(); });
    EXPECT_EQ(colours(colon, WM_CTLCOLORSTATIC),
              std::make_tuple(RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0)));
    DeleteDC(dc);
}

// In the tray the fields are not told each new time; the window that comes back shows the
// time the model holds then.
TEST_F(Win32Window, AWindowBackFromTheTrayShowsTheTimeItMissed) {
    Dispatch([&] { form->Window().Hide(); });
    ASSERT_FALSE(IsWindowVisible(window));
    Dispatch([&] {
        form->edtTimeMinutes.SetText("7");
        form->edtTimeSeconds.SetText("42");
    });
    Dispatch([&] { form->Window().Show(); });
    ASSERT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(TextOf(Field(kIdTimeMinutes)), L"7");
    EXPECT_EQ(TextOf(Field(kIdTimeSeconds)), L"42");
}

TEST_F(Win32Window, TimersRunTheStartUpAndTheCountdownFromTheMessageLoop) {
    ShowWindow(window, SW_SHOWNORMAL);
    Pump(1500);
    EXPECT_FALSE(form->tmrFirstStart.Enabled());
    EXPECT_FALSE(form->tmrStartAfter300ms.Enabled());
    EXPECT_TRUE(form->tmrCountdown.Enabled());
    EXPECT_EQ(form->tmrCountdown.Interval(), 300);
    EXPECT_FALSE(form->countdown().Starting());
    // Start-up released the stay-on-top state.
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    const std::wstring minutes = TextOf(Field(kIdTimeMinutes));
    EXPECT_TRUE(minutes == L"12" || minutes == L"11") << minutes.c_str();
}

TEST_F(Win32Window, EscapeInATimeFieldReachesThePreviewAndEndsTheLoop) {
    ShowWindow(window, SW_SHOWNORMAL);
    Pump(100);
    HWND minutes = Field(kIdTimeMinutes);
    MSG escape{minutes, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_FALSE(IsWindow(window) == FALSE);
    EXPECT_FALSE(host->App().Minimized());
    // The loop hands every key to the form's preview first; Escape closes the window.
    host->App().HandleMessage(escape);
    Pump(100);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(quit);
}

TEST_F(Win32Window, AlarmRaisesTheWindowFromTheTrayWithoutActivatingIt) {
    ShowWindow(window, SW_SHOWNORMAL);
    Pump(100);
    Dispatch([&] { form->windowAndTray().MinimizeToTray(); });
    EXPECT_FALSE(IsWindowVisible(window));
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    SetActiveWindow(other);
    form->countdown().SetRemainingSeconds(0);
    form->tmrCountdown.SetEnabled(true);
    Dispatch([&] { form->countdown().tmrCountdownTimer(&form->tmrCountdown); });
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_NE(GetActiveWindow(), window);
    DestroyWindow(other);
}

} // namespace
} // namespace vorlane::testing
