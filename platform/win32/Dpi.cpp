// The per-monitor DPI functions exist from Windows 10 version 1607 on; they are looked up in
// user32 (loaded anyway) so the program still starts on older systems, which scale by the
// screen's DPI alone.
#include "platform/win32/Dpi.h"

#include "platform/win32/Handles.h"

namespace vorlane::win32 {

namespace {

template <typename Function> Function User32Function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    // Through the generic function type, which any function pointer may be cast to and from.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

int ScreenDpi() {
    return GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSY);
}

} // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : ScreenDpi();
}

int SmallIconSize(int dpi) {
    using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto forDpi =
        User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) {
        return forDpi(SM_CXSMICON, static_cast<UINT>(dpi));
    }
    return MulDiv(GetSystemMetrics(SM_CXSMICON), dpi, ScreenDpi());
}

} // namespace vorlane::win32
