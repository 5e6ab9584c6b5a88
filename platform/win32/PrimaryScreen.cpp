#include "platform/win32/PrimaryScreen.h"

#include "platform/win32/RectConversions.h"

#include <windows.h>

namespace vorlane::win32 {

int PrimaryScreen::Width() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int PrimaryScreen::Height() {
    return GetSystemMetrics(SM_CYSCREEN);
}

Rect PrimaryScreen::WorkArea() {
    RECT area{0, 0, Width(), Height()};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return FromRECT(area);
}

Rect PrimaryScreen::WorkAreaOf(const Rect& window) {
    const RECT rect = ToRECT(window);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) {
        return WorkArea();
    }
    return FromRECT(info.rcWork);
}

Rect PrimaryScreen::VirtualScreen() {
    return Rect{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::vector<Rect> PrimaryScreen::Monitors() {
    std::vector<Rect> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT bounds, LPARAM found) -> BOOL {
            reinterpret_cast<std::vector<Rect>*>(found)->push_back(FromRECT(*bounds));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        monitors.push_back(Rect{0, 0, Width(), Height()});
    }
    return monitors;
}

} // namespace vorlane::win32
