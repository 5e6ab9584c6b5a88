#include "platform/win32/WindowSystem.h"

#include "platform/Dispatch.h"

namespace vorlane::win32 {

bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon,
                         HCURSOR cursor) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing)) {
        return true;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = cursor;
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

EWindowSystemError WindowSystemError(const std::string& what) {
    const DWORD error = GetLastError();
    return EWindowSystemError(what + " (Systemfehler " + std::to_string(error) + ")");
}

void ReportWindowSystemError(const std::string& what) {
    const EWindowSystemError error = WindowSystemError(what);
    Dispatch([&error] { throw error; });
}

} // namespace vorlane::win32
