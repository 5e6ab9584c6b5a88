// Vorlane.exe: the program entry on Windows. It alone knows both the program and the Win32
// platform: it builds the host and hands it to the program.
#include "app/Vorlane.h"
#include "platform/Errors.h"
#include "platform/win32/SoundHelper.h"
#include "platform/win32/Win32Host.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    // Every DLL loaded later (the delay-loaded system DLLs, and those they load) comes from
    // the system folder only, never from the program's folder or the current one, where a
    // file of the same name would otherwise be found first.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The program's own sound helper: it plays the alarm sound in a process apart and has
    // nothing of the program (no window, no settings, no tray icon).
    if (vorlane::win32::IsSoundHelperCall(__argc, __wargv)) {
        return vorlane::win32::RunSoundHelper(instance, __argc, __wargv);
    }
    vorlane::win32::Win32Host host(instance);
    try {
        return vorlane::RunVorlane(host);
    } catch (const vorlane::EWindowSystemError&) {
        // The main window could not be made, and the error box has said why: a process
        // without a window or tray icon could only be ended from the task manager.
        return 1;
    }
}
