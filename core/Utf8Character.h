#pragma once

#include <cstddef>
#include <string_view>

namespace vorlane {

// One character of a UTF-8 text, with the number of UTF-16 units the platform's text takes
// for it. Rules that count as the platform counts (path shortening, the target-time text)
// walk the text with it.
struct Utf8Character {
    char32_t codePoint;
    std::size_t bytes;      // 1 to 4
    std::size_t utf16Units; // 2 above U+FFFF, else 1
};

// The character that begins at byte pos of text; pos must lie inside text. A byte that does
// not begin a well-formed sequence (a stray continuation byte, a cut or overlong sequence, an
// encoded surrogate, a value above U+10FFFF) is a character of its own: U+FFFD, one byte,
// one unit, as the platform's conversion would show it.
Utf8Character Utf8CharacterAt(std::string_view text, std::size_t pos);

} // namespace vorlane
