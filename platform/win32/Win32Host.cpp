#include "platform/win32/Win32Host.h"

#include "platform/win32/Utf16.h"

#include <shellapi.h>

namespace vorlane::win32 {

std::vector<std::string> Win32Host::Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (list == nullptr) {
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        arguments.push_back(Narrow(list[i]));
    }
    LocalFree(list);
    return arguments;
}

} // namespace vorlane::win32
