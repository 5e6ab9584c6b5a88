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

void Win32Host::CreateNativeWindow(TForm& form) {
    window_.Create(form);
    messageBoxes_.SetWindows(window_.Handle(), window_.OwnerHandle());
}

int Win32Host::RunMessageLoop(TForm& /*form*/) {
    window_.ShowAtStart();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        window_.HandleMessage(message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace vorlane::win32
