// The yardsticks of the benchmark, built with the same static flags as Vorlane.exe:
//   EmptyWindow.exe [LEFT TOP [timer [hidden]]]
// Without "timer": an empty window of Vorlane's size that paints a grey background and does
// nothing else (the measure of start-up and memory). With "timer": the same window with one
// 300 ms timer, as the countdown has, that repaints one line of text once a second; with
// "hidden" as well the window is never shown and the timer does nothing else (the measure of
// the idle cost, visible and in the tray). Placed at LEFT, TOP (default: the top-left
// corner). Ends on WM_CLOSE or Escape.
#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kClass[] = L"VorlaneBenchEmptyWindow";
constexpr int kWidth = 171;
constexpr int kHeight = 238;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerMs = 300;
constexpr RECT kTextLine{40, 100, 131, 120};

// The second shown by the text line; the timer repaints the line when it moves on.
ULONGLONG g_shownSecond = 0;

ULONGLONG CurrentSecond() {
    return GetTickCount64() / 1000;
}

void PaintWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    if (g_shownSecond != 0) {
        wchar_t text[16];
        const auto seconds = static_cast<unsigned>(g_shownSecond % 3600);
        std::swprintf(text, 16, L"%02u:%02u", seconds / 60, seconds % 60);
        RECT line = kTextLine;
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, text, -1, &line, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK EmptyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintWindow(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (IsWindowVisible(window) && CurrentSecond() != g_shownSecond) {
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

bool Argument(int index, const wchar_t* word) {
    return __argc > index && std::wcscmp(__wargv[index], word) == 0;
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
    const bool timer = Argument(3, L"timer");
    const bool hidden = timer && Argument(4, L"hidden");
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = EmptyWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = kClass;
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, kClass, L"Empty", WS_POPUP, left, top, kWidth, kHeight,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    if (!hidden) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    if (timer) {
        SetTimer(window, kTimerId, kTimerMs, nullptr);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
