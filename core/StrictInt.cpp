#include "core/StrictInt.h"

namespace vorlane {

namespace {

// Value of one hexadecimal digit, or -1 when the character is none.
int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the hexadecimal prefix at the start of digits, 0 when there is none.
std::size_t HexPrefixLength(std::string_view digits) {
    if (!digits.empty() && (digits[0] == '$' || digits[0] == 'x' || digits[0] == 'X')) {
        return 1;
    }
    if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        return 2;
    }
    return 0;
}

std::optional<std::int32_t> ReadHex(std::string_view digits, bool negative) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || value > 0x0FFFFFFFu) {
            return std::nullopt;
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    // The sign is applied after the two's complement reading, wrapping in 32 bits, so
    // "-$80000000" stays the smallest value instead of failing.
    if (negative) {
        value = 0u - value;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ReadDecimal(std::string_view digits, bool negative) {
    if (digits.empty()) {
        return std::nullopt;
    }
    // The magnitude may reach 2147483648 only when the sign makes it the smallest value.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        if (!IsDecimalDigit(c)) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

std::optional<std::int32_t> StrToIntStrict(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::string_view rest = text.substr(pos);
    const std::size_t prefix = HexPrefixLength(rest);
    if (prefix > 0) {
        return ReadHex(rest.substr(prefix), negative);
    }
    return ReadDecimal(rest, negative);
}

} // namespace vorlane
