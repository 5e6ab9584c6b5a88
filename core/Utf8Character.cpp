#include "core/Utf8Character.h"

namespace vorlane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

unsigned char ByteAt(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

bool IsInRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

} // namespace

Utf8Character Utf8CharacterAt(std::string_view text, std::size_t pos) {
    const Utf8Character invalid{kReplacement, 1, 1};
    const unsigned char lead = ByteAt(text, pos);
    if (lead < 0x80) {
        return Utf8Character{lead, 1, 1};
    }
    // Length of the sequence and the range of its second byte, which excludes overlong forms,
    // the surrogates and values above U+10FFFF.
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    char32_t value = 0;
    if (IsInRange(lead, 0xC2, 0xDF)) {
        length = 2;
        value = lead & 0x1Fu;
    } else if (IsInRange(lead, 0xE0, 0xEF)) {
        length = 3;
        value = lead & 0x0Fu;
        if (lead == 0xE0) {
            secondLow = 0xA0;
        } else if (lead == 0xED) {
            secondHigh = 0x9F;
        }
    } else if (IsInRange(lead, 0xF0, 0xF4)) {
        length = 4;
        value = lead & 0x07u;
        if (lead == 0xF0) {
            secondLow = 0x90;
        } else if (lead == 0xF4) {
            secondHigh = 0x8F;
        }
    } else {
        return invalid;
    }
    if (text.size() - pos < length) {
        return invalid;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char byte = ByteAt(text, pos + i);
        const bool fits =
            i == 1 ? IsInRange(byte, secondLow, secondHigh) : IsInRange(byte, 0x80, 0xBF);
        if (!fits) {
            return invalid;
        }
        value = (value << 6) | (byte & 0x3Fu);
    }
    return Utf8Character{value, length, value > 0xFFFF ? std::size_t{2} : std::size_t{1}};
}

} // namespace vorlane
