// The yardstick of the benchmark: an empty Win32 window of Vorlane's size that paints a grey
// background and does nothing else, built with the same static flags as Vorlane.exe.
//   EmptyWindow.exe [LEFT TOP]   placed at LEFT, TOP (default: the top-left corner)
// Ends on WM_CLOSE or Escape.
#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kClass[] = L"VorlaneBenchEmptyWindow";
constexpr int kWidth = 171;
constexpr int kHeight = 238;

LRESULT CALLBACK EmptyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
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

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    int left = 0;
    int top = 0;
    if (__argc >= 3) {
        left = static_cast<int>(std::wcstol(__wargv[1], nullptr, 10));
        top = static_cast<int>(std::wcstol(__wargv[2], nullptr, 10));
    }
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
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
