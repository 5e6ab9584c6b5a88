// The floor of the benchmark: the smallest program that costs what Vorlane.exe's window cannot
// do without, built with the same static flags and the same manifest dependency on the common
// controls version 6:
//   FloorWindow.exe [LEFT TOP]
// A round window of Vorlane's size, cut to the same ellipse, with one edit field of the common
// controls and one line of Tahoma text that a 300 ms timer repaints once a second, as the
// countdown does. Placed at LEFT, TOP (default: the top-left corner). Ends on WM_CLOSE or
// Escape. What Vorlane costs above this window is its own doing.
#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kClass[] = L"VorlaneBenchFloorWindow";
constexpr int kWidth = 171;
constexpr int kHeight = 238;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerMs = 300;
constexpr RECT kTextLine{40, 100, 131, 120};
constexpr RECT kEditField{40, 140, 131, 161};
constexpr int kFontPoints = 10;

// The second shown by the text line; the timer repaints the line when it moves on.
ULONGLONG g_shownSecond = 0;
HFONT g_font = nullptr;

ULONGLONG CurrentSecond() {
    return GetTickCount64() / 1000;
}

void PaintWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    wchar_t text[16];
    const auto seconds = static_cast<unsigned>(g_shownSecond % 3600);
    std::swprintf(text, 16, L"%02u:%02u", seconds / 60, seconds % 60);
    RECT line = kTextLine;
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ previous = SelectObject(dc, g_font);
    DrawTextW(dc, text, -1, &line, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, previous);
    EndPaint(window, &paint);
}

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintWindow(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (CurrentSecond() != g_shownSecond) {
            g_shownSecond = CurrentSecond();
            InvalidateRect(window, &kTextLine, FALSE);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            DestroyWindow(window);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

HFONT CreateTahoma() {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(kFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                       L"Tahoma");
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPWSTR /*commandLine*/,
                    int /*show*/) {
    int left = 0;
    int top = 0;
    if (__argc >= 3) {
        left = static_cast<int>(std::wcstol(__wargv[1], nullptr, 10));
        top = static_cast<int>(std::wcstol(__wargv[2], nullptr, 10));
    }
    g_font = CreateTahoma();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = FloorWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = kClass;
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, kClass, L"Floor", WS_POPUP | WS_CLIPCHILDREN, left, top,
                                  kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    // The ellipse of Vorlane's window: one pixel beyond the left and top edges, two beyond the
    // right and bottom ones.
    SetWindowRgn(window, CreateEllipticRgn(-1, -1, kWidth + 2, kHeight + 2), TRUE);
    // The manifest makes this the common controls' edit field, as Vorlane's fields are.
    HWND field = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"00:05:00", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_CENTER,
        kEditField.left, kEditField.top, kEditField.right - kEditField.left,
        kEditField.bottom - kEditField.top, window, nullptr, instance, nullptr);
    if (field == nullptr) {
        return 1;
    }
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
    g_shownSecond = CurrentSecond();
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetTimer(window, kTimerId, kTimerMs, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(g_font);
    return static_cast<int>(message.wParam);
}
