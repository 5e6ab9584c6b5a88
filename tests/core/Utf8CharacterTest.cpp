#include "core/Utf8Character.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace vorlane {
namespace {

struct Case {
    const char* what;
    std::string text;
    char32_t codePoint;
    std::size_t bytes;
    std::size_t utf16Units;
};

void ExpectCharacters(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Utf8Character character = Utf8CharacterAt(c.text, 0);
        EXPECT_EQ(static_cast<unsigned long>(character.codePoint),
                  static_cast<unsigned long>(c.codePoint));
        EXPECT_EQ(character.bytes, c.bytes);
        EXPECT_EQ(character.utf16Units, c.utf16Units);
    }
}

TEST(Utf8CharacterTest, ReadsWellFormedSequences) {
    ExpectCharacters({
        {"NUL", std::string(1, '\0'), 0x0, 1, 1},
        {"ASCII", "A", 0x41, 1, 1},
        {"last ASCII", "\x7F", 0x7F, 1, 1},
        {"first of two bytes", "\xC2\x80", 0x80, 2, 1},
        {"a umlaut", "\xC3\xA4x", 0xE4, 2, 1},
        {"last of two bytes", "\xDF\xBF", 0x7FF, 2, 1},
        {"first of three bytes", "\xE0\xA0\x80", 0x800, 3, 1},
        {"euro sign", "\xE2\x82\xAC", 0x20AC, 3, 1},
        {"last before the surrogates", "\xED\x9F\xBF", 0xD7FF, 3, 1},
        {"first after the surrogates", "\xEE\x80\x80", 0xE000, 3, 1},
        {"last of the basic plane", "\xEF\xBF\xBF", 0xFFFF, 3, 1},
        {"first of four bytes", "\xF0\x90\x80\x80", 0x10000, 4, 2},
        {"grinning face", "\xF0\x9F\x98\x80", 0x1F600, 4, 2},
        {"last code point", "\xF4\x8F\xBF\xBF", 0x10FFFF, 4, 2},
    });
}

TEST(Utf8CharacterTest, TakesABadByteAsOneReplacementCharacter) {
    ExpectCharacters({
        {"stray continuation byte", "\x80", 0xFFFD, 1, 1},
        {"last continuation byte", "\xBF\xBF", 0xFFFD, 1, 1},
        {"overlong two bytes C0", "\xC0\x80", 0xFFFD, 1, 1},
        {"overlong two bytes C1", "\xC1\xBF", 0xFFFD, 1, 1},
        {"overlong three bytes", "\xE0\x9F\xBF", 0xFFFD, 1, 1},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", 0xFFFD, 1, 1},
        {"encoded high surrogate", "\xED\xA0\x80", 0xFFFD, 1, 1},
        {"encoded low surrogate", "\xED\xBF\xBF", 0xFFFD, 1, 1},
        {"above U+10FFFF", "\xF4\x90\x80\x80", 0xFFFD, 1, 1},
        {"lead byte F5", "\xF5\x80\x80\x80", 0xFFFD, 1, 1},
        {"lead byte FF", "\xFF", 0xFFFD, 1, 1},
        {"two-byte lead at the end", "\xC3", 0xFFFD, 1, 1},
        {"three-byte sequence cut short", "\xE2\x82", 0xFFFD, 1, 1},
        {"four-byte sequence cut short", "\xF0\x9F\x98", 0xFFFD, 1, 1},
        {"ASCII where a continuation belongs", "\xE2\x82x", 0xFFFD, 1, 1},
        {"new lead where a continuation belongs", "\xC3\xC3\xA4", 0xFFFD, 1, 1},
    });
}

TEST(Utf8CharacterTest, ReadsFromTheGivenPosition) {
    const std::string text = "a\xC3\xA4\xF0\x9F\x98\x80\x80";
    std::vector<char32_t> codePoints;
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Character character = Utf8CharacterAt(text, pos);
        codePoints.push_back(character.codePoint);
        units += character.utf16Units;
        pos += character.bytes;
    }
    EXPECT_EQ(codePoints, (std::vector<char32_t>{0x61, 0xE4, 0x1F600, 0xFFFD}));
    EXPECT_EQ(units, 5u);
}

} // namespace
} // namespace vorlane
