#pragma once
// Window classes and the failures of window-system calls: a call the system refuses becomes an
// error that names what could not be made, with the system's error number.
#include "platform/Errors.h"

#include <windows.h>

#include <string>

namespace vorlane::win32 {

// Registers a window class of the program; a class registered before (by an earlier window of
// its kind) counts as registered. False when the system refuses; GetLastError says why.
bool RegisterWindowClass(const WNDCLASSEXW& windowClass);

// The error for a call that has just failed: what could not be done, then the system's error.
EWindowSystemError WindowSystemError(const std::string& what);

// Shows the error through the program's error handler and returns: for a failure inside a
// handler of the model, which goes on with what it was doing.
void ReportWindowSystemError(const std::string& what);

} // namespace vorlane::win32
