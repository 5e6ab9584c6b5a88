// Vorlane.exe: the program entry on Windows.
#include "app/Vorlane.h"
#include "platform/Errors.h"
#include "platform/win32/Win32Host.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    vorlane::win32::Win32Host host(instance);
    try {
        return vorlane::RunVorlane(host);
    } catch (const vorlane::EWindowSystemError&) {
        // The main window could not be made, and the error box has said why: a process
        // without a window or tray icon could only be ended from the task manager.
        return 1;
    }
}
