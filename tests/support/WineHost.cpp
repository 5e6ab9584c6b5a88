#include "tests/support/WineHost.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

#include <algorithm>

namespace vorlane::testsupport {

bool RunningUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::wstring EnvW(const wchar_t* name) {
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring value(size, L'\0');
    size = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(size);
    return value;
}

std::wstring ToWindowsPath(const std::wstring& path) {
    if (path.empty() || path[0] != L'/') {
        return path;
    }
    using ToDos = WCHAR*(CDECL*)(LPCSTR);
    auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (toDos != nullptr) {
        if (WCHAR* dos = toDos(win32::Narrow(path).c_str())) {
            std::wstring result = dos;
            HeapFree(GetProcessHeap(), 0, dos);
            return result;
        }
    }
    std::wstring result = L"Z:" + path; // Wine's default mapping of the Unix root
    std::replace(result.begin(), result.end(), L'/', L'\\');
    return result;
}

} // namespace vorlane::testsupport
