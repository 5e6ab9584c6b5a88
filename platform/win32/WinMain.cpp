// Vorlane.exe: the program entry on Windows.
#include "app/Vorlane.h"
#include "platform/win32/Win32Host.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    // Pictures are decoded by the Windows Imaging Component, which needs COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int result = 0;
    {
        vorlane::win32::Win32Host host(instance);
        result = vorlane::RunVorlane(host);
    }
    CoUninitialize();
    return result;
}
