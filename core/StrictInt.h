#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlane {

// The one text-to-integer conversion of the program, used for the command line, the time
// fields and the settings file. Accepts leading spaces, one sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing after the digits.
// Hexadecimal values up to FFFFFFFF are taken as two's complement, as settings files of
// earlier versions were written. Returns nothing when the text is not such a number, so the
// caller keeps its previous value.
std::optional<std::int32_t> StrToIntStrict(std::string_view text);

} // namespace vorlane
