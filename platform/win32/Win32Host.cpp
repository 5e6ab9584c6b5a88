#include "platform/win32/Win32Host.h"

#include "platform/win32/Utf16.h"

#include <cstdlib>

namespace vorlane::win32 {

// The C runtime has already split the command line by the Windows rules (quotes and
// backslashes, no wildcard expansion); asking the shell again would load it before the
// window is on the screen.
std::vector<std::string> Win32Host::Arguments() {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) {
        arguments.push_back(Narrow(__wargv[i]));
    }
    return arguments;
}

} // namespace vorlane::win32
