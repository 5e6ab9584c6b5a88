#include "core/Mince.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace vorlane {
namespace {

// "a" to "z" then "A" to "Z", cut to the given length: every unit of the text is told apart.
std::string Letters(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        const char letter = static_cast<char>(i < 26 ? 'a' + i : 'A' + (i - 26) % 26);
        text += letter;
    }
    return text;
}

std::string Repeat(const std::string& piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

const std::string kFace = "\xF0\x9F\x98\x80"; // U+1F600, two UTF-16 units
const std::string kUmlaut = "\xC3\xA4";       // U+00E4, one unit in two bytes

struct Case {
    const char* what;
    std::string path;
    std::size_t inSpace;
    std::string expected;
};

void ExpectMinced(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Mince(c.path, c.inSpace), c.expected);
    }
}

TEST(MinceTest, KeepsTheEndsOfALongText) {
    const std::string name46 = Letters(46);
    ExpectMinced({
        {"empty", "", 35, ""},
        {"35 units fit", Letters(35), 35, Letters(35)},
        {"36 units", Letters(36), 35, "abcdefghijklmno...uvwxyzABCDEFGHIJ"},
        {"a 46-unit name behind a space", " " + name46, 35, " abcdefghijklmn...EFGHIJKLMNOPQRST"},
        {"an even room", Letters(40), 36, "abcdefghijklmnop...xyzABCDEFGHIJKLMN"},
        {"36 units of two-byte letters", Repeat(kUmlaut, 36), 35,
         Repeat(kUmlaut, 15) + "..." + Repeat(kUmlaut, 16)},
        {"35 units of two-byte letters fit", Repeat(kUmlaut, 35), 35, Repeat(kUmlaut, 35)},
    });
}

TEST(MinceTest, NeverSplitsACharacterAboveTheBasicPlane) {
    // 14 letters, then the face on units 15 and 16: it stays whole in the front part.
    const std::string faceAtFrontCut = Letters(14) + kFace + Letters(20);
    // The face on the last 17th and 16th units: it stays whole with the part left out.
    const std::string faceAtBackCut = Letters(19) + kFace + Letters(15);
    ExpectMinced({
        {"at the front cut", faceAtFrontCut, 35, Letters(14) + kFace + "..." + "efghijklmnopqrst"},
        {"at the back cut", faceAtBackCut, 35, "abcdefghijklmno..." + Letters(15)},
        {"just inside the front part", Letters(13) + kFace + Letters(21), 35,
         Letters(13) + kFace + "..." + "fghijklmnopqrstu"},
        {"just inside the back part", Letters(20) + kFace + Letters(14), 35,
         "abcdefghijklmno..." + kFace + Letters(14)},
        {"17 faces are 34 units and fit", Repeat(kFace, 17), 35, Repeat(kFace, 17)},
        {"18 faces are 36 units", Repeat(kFace, 18), 35,
         Repeat(kFace, 8) + "..." + Repeat(kFace, 8)},
    });
}

TEST(MinceTest, CountsBytesThatAreNoUtf8AsOneUnitEach) {
    const std::string bad = "\xFF";
    const std::string cutSequence = "\xE2\x82";
    ExpectMinced({
        {"35 bad bytes fit", Repeat(bad, 35), 35, Repeat(bad, 35)},
        {"36 bad bytes", Repeat(bad, 36), 35, Repeat(bad, 15) + "..." + Repeat(bad, 16)},
        {"a cut sequence at the front cut", Letters(14) + cutSequence + Letters(20), 35,
         Letters(14) + "\xE2...efghijklmnopqrst"},
        {"a stray continuation byte at the back cut", Letters(20) + "\x80" + Letters(15), 35,
         "abcdefghijklmno...\x80" + Letters(15)},
    });
}

TEST(MinceTest, StaysSoundWithLittleRoom) {
    ExpectMinced({
        {"room for nothing", "abc", 0, "...c"},
        {"room for three", "abcd", 3, "...d"},
        {"room for five", "abcdef", 5, "...f"},
        {"room for six", "abcdefg", 6, "a...fg"},
        {"a face where only one unit is kept", "ab" + kFace, 3, "..."},
    });
}

} // namespace
} // namespace vorlane
