#pragma once

namespace vorlane::win32 {

// Joins this thread to COM (single-threaded apartment) on the first call; later calls do
// nothing. COM is only needed by the info dialog's pictures, the file dialog and the shell,
// so it is not started before the window is on the screen. It then stays for the life of
// the thread: the process ends with it.
void UseCom();

} // namespace vorlane::win32
