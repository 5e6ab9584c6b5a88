#pragma once
// The sound helper: the program's own exe, started by HelperProcessMediaPlayer to open the
// alarm sound and play it in a process apart from the program's.
#include <windows.h>

namespace vorlane::win32 {

// Whether the command line is the one the program starts its helper with; any other command
// line, also one that only begins like it, is the program's.
bool IsSoundHelperCall(int argc, wchar_t** argv);

// The helper's whole life: it opens the sound with the media control interface, answers the
// program's requests, and ends when asked to close, when the opening failed, when the program's
// window no longer takes its answers, or when the program's process ends. It shows no window.
int RunSoundHelper(HINSTANCE instance, int argc, wchar_t** argv);

} // namespace vorlane::win32
