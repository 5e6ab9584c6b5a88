#pragma once
#include <string>
#include <string_view>

namespace vorlane::win32 {

// The program's text is UTF-8; Windows speaks UTF-16. These are the only crossing.
std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);
// Text in the system's ANSI code page, as files without a byte-order mark hold it.
std::wstring WidenAnsi(std::string_view text);

} // namespace vorlane::win32
