#pragma once
// Finding a program's windows from another process, as the end-to-end driver and the start-up
// bench do.
#include <windows.h>

namespace vorlane::testsupport {

enum class Visibility { Any, Shown };

// The first top-level window of process pid whose class is windowClass (compared as Windows
// compares class names, whatever the case), visible or, with Visibility::Shown, visible only;
// nullptr when there is none.
HWND FindTopLevelWindow(DWORD pid, const wchar_t* windowClass, Visibility visibility);

} // namespace vorlane::testsupport
