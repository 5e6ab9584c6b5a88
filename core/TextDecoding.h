#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vorlane {

// Converts text in the system's ANSI code page to UTF-8. Only the platform knows the code
// page, so the caller supplies the conversion.
using AnsiToUtf8 = std::function<std::string(std::string_view)>;

// The text of a file as UTF-8, its encoding taken from a byte-order mark at the start:
// EF BB BF is UTF-8, FF FE UTF-16 little-endian, FE FF UTF-16 big-endian; the mark is not
// part of the text. Without a mark the bytes are in the ANSI code page and go through
// ansiToUtf8. In a marked file, bytes that form no character (a broken UTF-8 sequence, a
// lone surrogate, an odd last byte of UTF-16) each become U+FFFD, so the result is always
// valid UTF-8.
std::string DecodeText(std::string_view bytes, const AnsiToUtf8& ansiToUtf8);

// Latin-1 (each byte the character of the same number) as UTF-8: the code page that stands
// in for the system's where there is no system to ask (the platform in memory, tests).
std::string Latin1ToUtf8(std::string_view bytes);

} // namespace vorlane
