#pragma once
// Window classes, the object behind a window procedure, and the failures of window-system
// calls: a call the system refuses becomes an error that names what could not be made, with
// the system's error number.
#include "platform/Errors.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <string>

namespace vorlane::win32 {

// Registers a window class of the program with its window procedure and, for a window that is
// seen, its icon and pointer; a class registered before (by an earlier window of its kind)
// counts as registered. False when the system refuses; GetLastError says why.
bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         HICON icon = nullptr, HCURSOR cursor = nullptr);

// For a window procedure: the object the window belongs to, given to CreateWindowExW as the
// creation parameter. On WM_NCCREATE the object takes the window into its member `window` and
// is kept in the window's user data, where every later message finds it; null before that.
template <typename Owner>
Owner* WindowOwner(HWND window, UINT message, LPARAM lParam, UniqueWindow Owner::*handle) {
    if (message == WM_NCCREATE) {
        auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        (owner->*handle).Reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        return owner;
    }
    return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The error for a call that has just failed: what could not be done, then the system's error.
EWindowSystemError WindowSystemError(const std::string& what);

// Shows the error through the program's error handler and returns: for a failure inside a
// handler of the model, which goes on with what it was doing.
void ReportWindowSystemError(const std::string& what);

} // namespace vorlane::win32
