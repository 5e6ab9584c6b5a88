#pragma once
// What the Win32 test drivers and benchmarks need to know of the machine they run on.
#include <string>

namespace vorlane::testsupport {

bool RunningUnderWine();
// An environment variable, empty when unset.
std::wstring EnvW(const wchar_t* name);
// CTest and the shell hand over paths of the build machine. Under Wine a path such as
// /work/x means C:\work\x to a Windows program, so Unix paths are mapped with Wine's own
// converter; other paths are returned as they are.
std::wstring ToWindowsPath(const std::wstring& path);

} // namespace vorlane::testsupport
