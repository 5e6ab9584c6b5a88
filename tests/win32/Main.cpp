// The Win32 tests' entry. The program's player starts its sound helper from the running exe,
// which here is the test program: started so, it is the helper, as Vorlane.exe would be.
#include "platform/win32/SoundHelper.h"

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    int wideCount = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &wideCount);
    if (wide != nullptr && vorlane::win32::IsSoundHelperCall(wideCount, wide)) {
        SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
        const int code = vorlane::win32::RunSoundHelper(GetModuleHandleW(nullptr), wideCount, wide);
        LocalFree(wide);
        return code;
    }
    LocalFree(wide);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
