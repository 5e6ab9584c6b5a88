#include "core/TextDecoding.h"

#include <cstddef>
#include <cstdint>

namespace vorlane {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

unsigned Byte(std::string_view bytes, std::size_t pos) {
    return static_cast<unsigned char>(bytes[pos]);
}

void AppendUtf8(std::string& out, std::uint32_t codePoint) {
    const auto put = [&out](std::uint32_t byte) { out += static_cast<char>(byte); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

// What a lead byte promises: the length of its sequence and the range its second byte must
// lie in, which excludes overlong forms, surrogates and values past U+10FFFF. A length of 0
// marks a byte that cannot start a sequence.
struct LeadByte {
    std::size_t length;
    unsigned secondLow;
    unsigned secondHigh;
};

LeadByte ClassifyLeadByte(unsigned lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, 0x80, 0xBF};
    }
    if (lead == 0xE0) {
        return {3, 0xA0, 0xBF};
    }
    if (lead == 0xED) {
        return {3, 0x80, 0x9F};
    }
    if (lead >= 0xE1 && lead <= 0xEF) {
        return {3, 0x80, 0xBF};
    }
    if (lead == 0xF0) {
        return {4, 0x90, 0xBF};
    }
    if (lead >= 0xF1 && lead <= 0xF3) {
        return {4, 0x80, 0xBF};
    }
    if (lead == 0xF4) {
        return {4, 0x80, 0x8F};
    }
    return {0, 0, 0};
}

// Valid sequences are copied; each broken one, as far as it went before it broke, becomes one
// U+FFFD.
std::string ValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const unsigned lead = Byte(bytes, pos);
        if (lead < 0x80) {
            out += bytes[pos];
            ++pos;
            continue;
        }
        const LeadByte expected = ClassifyLeadByte(lead);
        std::size_t end = pos + 1;
        while (end < bytes.size() && end < pos + expected.length) {
            const unsigned next = Byte(bytes, end);
            const bool second = end == pos + 1;
            const unsigned low = second ? expected.secondLow : 0x80;
            const unsigned high = second ? expected.secondHigh : 0xBF;
            if (next < low || next > high) {
                break;
            }
            ++end;
        }
        if (expected.length > 0 && end == pos + expected.length) {
            out += bytes.substr(pos, expected.length);
        } else {
            out += kReplacementCharacter;
        }
        pos = end;
    }
    return out;
}

bool IsHighSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&](std::size_t index) -> std::uint32_t {
        const unsigned first = Byte(bytes, 2 * index);
        const unsigned second = Byte(bytes, 2 * index + 1);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t index = 0;
    while (index < units) {
        const std::uint32_t unit = unitAt(index);
        if (IsHighSurrogate(unit) && index + 1 < units && IsLowSurrogate(unitAt(index + 1))) {
            const std::uint32_t low = unitAt(index + 1);
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            index += 2;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            out += kReplacementCharacter;
            ++index;
        } else {
            AppendUtf8(out, unit);
            ++index;
        }
    }
    if (bytes.size() % 2 != 0) {
        out += kReplacementCharacter;
    }
    return out;
}

} // namespace

std::string DecodeText(std::string_view bytes, const AnsiToUtf8& ansiToUtf8) {
    if (bytes.starts_with(kUtf8Mark)) {
        return ValidUtf8(bytes.substr(kUtf8Mark.size()));
    }
    if (bytes.starts_with(kUtf16LittleEndianMark)) {
        return Utf16ToUtf8(bytes.substr(kUtf16LittleEndianMark.size()), false);
    }
    if (bytes.starts_with(kUtf16BigEndianMark)) {
        return Utf16ToUtf8(bytes.substr(kUtf16BigEndianMark.size()), true);
    }
    return ansiToUtf8(bytes);
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

} // namespace vorlane
