#pragma once
#include <windows.h>

#include <string>

namespace vorlane::win32 {

// Windows' own words for an error number or an HRESULT, without the line end it puts after
// them; empty where it has none.
std::string SystemErrorText(DWORD error);

} // namespace vorlane::win32
