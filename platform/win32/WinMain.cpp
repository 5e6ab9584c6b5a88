// Vorlane.exe: the program entry on Windows.
#include "app/Vorlane.h"
#include "platform/win32/Win32Host.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    vorlane::win32::Win32Host host(instance);
    return vorlane::RunVorlane(host);
}
