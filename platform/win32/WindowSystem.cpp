#include "platform/win32/WindowSystem.h"

#include "platform/Dispatch.h"

namespace vorlane::win32 {

bool RegisterWindowClass(const WNDCLASSEXW& windowClass) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) {
        return true;
    }
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
