#include "platform/win32/HintTool.h"

#include "platform/win32/GdiCache.h"
#include "platform/win32/RectConversions.h"
#include "platform/win32/Utf16.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <windowsx.h>

#include <string>

namespace vorlane::win32 {

namespace {

// The tip's window class comes from the common controls, which are loaded with the first hint
// tool, after the window is on the screen.
HWND CreateTipWindow(HWND window, HINSTANCE instance) {
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls); // without the class no tip window is made, and no hint shows
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
}

} // namespace

HintTool::HintTool(HWND window, HINSTANCE instance, int dpi)
    : window_(window), tip_(CreateTipWindow(window, instance)) {
    // Without the visual style the tip takes the program's own background colour.
    SetWindowTheme(tip_.Get(), L"", L"");
    SendMessageW(tip_.Get(), TTM_SETMAXTIPWIDTH, 0, ScaleLength(400, dpi));
}

void HintTool::Update(const TControl& control, HWND child) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window_;
    // Fields are watched by the tip itself; the window relays its own mouse messages for the
    // painted controls, so removing one picture's tip never unhooks the others.
    tool.uFlags = child != nullptr ? (TTF_SUBCLASS | TTF_IDISHWND) : 0;
    tool.uId =
        child != nullptr ? reinterpret_cast<UINT_PTR>(child) : reinterpret_cast<UINT_PTR>(&control);
    SendMessageW(tip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // A painted control's hint belongs to its rectangle only while it is shown.
    if (!control.ShowHint || control.Hint().empty() || !control.Visible()) {
        return;
    }
    std::wstring text = Widen(control.Hint());
    tool.lpszText = text.data();
    tool.rect = ToRECT(control.Bounds());
    SendMessageW(tip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void HintTool::Relay(UINT message, WPARAM wParam, LPARAM lParam) {
    MSG relayed{window_, message, wParam, lParam, 0, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}};
    SendMessageW(tip_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void HintTool::SetStyle(const HintStyle& style) {
    SendMessageW(tip_.Get(), TTM_SETTIPBKCOLOR, ToColorRef(style.background), 0);
    SendMessageW(tip_.Get(), TTM_SETDELAYTIME, TTDT_INITIAL, style.delayMs);
    SendMessageW(tip_.Get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, style.displayMs);
}

} // namespace vorlane::win32
