#pragma once
// What the fuzz targets check their results with. The text helpers are written apart from
// core/'s own, straight from the table of well-formed UTF-8 byte sequences, so that a fault
// shared by both sides is unlikely.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::fuzz {

// Stops the run when an invariant does not hold: libFuzzer reports the abort as a crash and
// keeps the input that caused it.
inline void Require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// One character of a UTF-8 text: where it starts, its bytes, and its code point, or none
// (a byte that begins no well-formed sequence, taken alone).
struct DecodedCharacter {
    std::size_t offset;
    std::size_t bytes;
    bool wellFormed;
    char32_t codePoint;
};

// The characters of a text, each byte that begins no well-formed sequence one of its own.
inline std::vector<DecodedCharacter> DecodeCharacters(std::string_view text) {
    struct Row {
        unsigned char leadLow, leadHigh;
        std::size_t length;
        unsigned char secondLow, secondHigh;
    };
    // The rows of the Unicode standard's table of well-formed byte sequences.
    static constexpr Row kRows[] = {
        {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
        {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
        {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
    };
    std::vector<DecodedCharacter> characters;
    const auto byteAt = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t pos = 0; pos < text.size();) {
        const unsigned char lead = byteAt(pos);
        DecodedCharacter character{pos, 1, lead < 0x80, lead};
        for (const Row& row : kRows) {
            if (lead < row.leadLow || lead > row.leadHigh || text.size() - pos < row.length) {
                continue;
            }
            const unsigned char second = byteAt(pos + 1);
            bool fits = second >= row.secondLow && second <= row.secondHigh;
            char32_t value = lead & (row.length == 2 ? 0x1Fu : (row.length == 3 ? 0x0Fu : 0x07u));
            for (std::size_t i = 1; i < row.length; ++i) {
                const unsigned char next = byteAt(pos + i);
                fits = fits && (next & 0xC0u) == 0x80u;
                value = (value << 6) | (next & 0x3Fu);
            }
            if (fits) {
                character = DecodedCharacter{pos, row.length, true, value};
            }
        }
        characters.push_back(character);
        pos += character.bytes;
    }
    return characters;
}

inline bool IsValidUtf8(std::string_view text) {
    for (const DecodedCharacter& character : DecodeCharacters(text)) {
        if (!character.wellFormed) {
            return false;
        }
    }
    return true;
}

// UTF-16 units the platform's text takes for a character: two above U+FFFF, else one (a
// byte that is no character shows as one U+FFFD).
inline std::size_t Utf16Units(const DecodedCharacter& character) {
    return character.wellFormed && character.codePoint > 0xFFFF ? 2 : 1;
}

inline std::size_t Utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (const DecodedCharacter& character : DecodeCharacters(text)) {
        units += Utf16Units(character);
    }
    return units;
}

} // namespace vorlane::fuzz
