// The text-to-integer conversion on any text.
//
// Invariants: no crash and no sanitizer report; leading blanks change nothing; nothing may
// follow the digits (an accepted text with a letter or a blank after it is refused); every
// value read writes back in decimal and in hexadecimal and reads again as itself; a text of
// blanks, a sign and decimal digits is accepted exactly when its value fits in 32 bits, and
// then gives that value.
#include "core/StrictInt.h"
#include "fuzz/FuzzChecks.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

using vorlane::StrToIntStrict;
using vorlane::fuzz::Require;

// How the standard library reads a text of blanks, one optional sign and decimal digits: its
// value, or none when the value does not fit in 32 bits. No reading for a text of another form.
std::optional<std::optional<std::int32_t>> DecimalReference(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) {
        return std::nullopt;
    }
    const bool negative = text[pos] == '-';
    if (text[pos] == '+' || text[pos] == '-') {
        ++pos;
    }
    const std::string_view digits = text.substr(pos);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string number = (negative ? "-" : "") + std::string(digits);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) {
        return std::optional<std::int32_t>();
    }
    return std::optional<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = vorlane::fuzz::AsText(data, size);
    const std::optional<std::int32_t> value = StrToIntStrict(text);

    Require(StrToIntStrict(" " + std::string(text)) == value, "leading blanks are skipped");
    if (const auto reference = DecimalReference(text)) {
        Require(*reference == value, "a decimal text reads as the standard library reads it");
    }
    if (!value) {
        return 0;
    }
    Require(!StrToIntStrict(std::string(text) + "g"), "nothing may follow the digits");
    Require(!StrToIntStrict(std::string(text) + " "), "no blank may follow the digits");
    Require(StrToIntStrict(std::to_string(*value)) == value, "the value written in decimal");
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%08X", static_cast<unsigned>(*value));
    Require(StrToIntStrict(hex) == value, "the value written in hexadecimal");
    return 0;
}
