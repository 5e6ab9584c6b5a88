#pragma once

#include "core/TextDecoding.h"

#include <string>
#include <string_view>

namespace vorlane::testing_support {

using vorlane::Latin1ToUtf8;

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
