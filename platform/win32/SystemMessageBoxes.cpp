#include "platform/win32/SystemMessageBoxes.h"

#include "platform/win32/ModalLoop.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Application.h"

#include <vector>

namespace vorlane::win32 {

namespace {

struct ThreadWindows {
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
    reinterpret_cast<ThreadWindows*>(data)->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> WindowsOfThisThread() {
    ThreadWindows found;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

} // namespace

void SystemMessageBoxes::Show(const std::string& text, const std::string& caption, MessageIcon icon,
                              bool keepMainWindowTopmost) {
    const ModalLoop modal(application_);
    HWND main = application_.MainHandle();
    std::vector<HWND> lowered;
    std::vector<HWND> disabled;
    const std::vector<HWND> windows = WindowsOfThisThread();
    if (depth_ == 0) {
        for (HWND window : windows) {
            const bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            if (topmost && IsWindowVisible(window) && !(keepMainWindowTopmost && window == main)) {
                SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                lowered.push_back(window);
            }
        }
    }
    // The box belongs to the main window while it is shown, so it stays above it even
    // when the alarm keeps the main window on top.
    HWND active = GetActiveWindow();
    HWND boxOwner =
        IsWindowVisible(main) ? main : (active != nullptr ? active : application_.OwnerHandle());
    HWND focus = GetFocus();
    for (HWND window : windows) {
        if (window != boxOwner && IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            disabled.push_back(window);
        }
    }
    ++depth_;
    const UINT flags =
        MB_OK | static_cast<UINT>(icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION);
    MessageBoxW(boxOwner, Widen(text).c_str(), Widen(caption).c_str(), flags);
    --depth_;
    for (HWND window : disabled) {
        EnableWindow(window, TRUE);
    }
    for (HWND window : lowered) {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (active != nullptr && IsWindow(active)) {
        SetActiveWindow(active);
    }
    if (focus != nullptr && IsWindow(focus)) {
        SetFocus(focus);
    }
}

} // namespace vorlane::win32
