#pragma once

#include <string>
#include <string_view>

namespace vorlane::testing_support {

// Stands in for the system's ANSI code page in tests: each byte is the Latin-1 character of
// the same number.
inline std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

// The bytes of UTF-16 code units in the given byte order, without a byte-order mark.
inline std::string Utf16Bytes(std::u16string_view units, bool bigEndian) {
    std::string out;
    for (char16_t unit : units) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

} // namespace vorlane::testing_support
