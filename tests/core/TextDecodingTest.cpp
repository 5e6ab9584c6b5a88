#include "core/TextDecoding.h"

#include "tests/core/TextTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vorlane {
namespace {

using testing_support::Latin1ToUtf8;
using testing_support::Utf16Bytes;

const std::string kUtf8Mark = "\xEF\xBB\xBF";
const std::string kLittleEndianMark = "\xFF\xFE";
const std::string kBigEndianMark = "\xFE\xFF";
const std::string kReplacement = "\xEF\xBF\xBD";

std::string Le(std::u16string_view units) {
    return Utf16Bytes(units, false);
}

std::string Be(std::u16string_view units) {
    return Utf16Bytes(units, true);
}

struct Case {
    const char* name;
    std::string bytes;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << c.name;
}

class DecodeTextTest : public testing::TestWithParam<Case> {};

TEST_P(DecodeTextTest, GivesUtf8) {
    EXPECT_EQ(DecodeText(GetParam().bytes, Latin1ToUtf8), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    ByteOrderMarks, DecodeTextTest,
    testing::Values(Case{"UTF-8", kUtf8Mark + "Klänge🔔", "Klänge🔔"},
                    Case{"UTF-16 LE", kLittleEndianMark + Le(u"Klänge🔔"), "Klänge🔔"},
                    Case{"UTF-16 BE", kBigEndianMark + Be(u"Klänge🔔"), "Klänge🔔"},
                    Case{"UTF-16 LE NUL", kLittleEndianMark + std::string(2, '\0'),
                         std::string(1, '\0')},
                    Case{"UTF-16 LE mark only", kLittleEndianMark, ""},
                    Case{"ANSI", "Kl\xE4nge", "Klänge"},
                    // Without a mark even UTF-8 bytes are taken as ANSI.
                    Case{"UTF-8 without mark", "Klänge", "KlÃ¤nge"},
                    Case{"incomplete UTF-8 mark", "\xEF\xBBx", "ï»x"}, Case{"empty", "", ""}));

INSTANTIATE_TEST_SUITE_P(
    BrokenUtf8, DecodeTextTest,
    testing::Values(Case{"lead without continuation", kUtf8Mark + "\xC3(", kReplacement + "("},
                    Case{"lone continuation", kUtf8Mark + "a\x80z", "a" + kReplacement + "z"},
                    Case{"overlong two bytes", kUtf8Mark + "\xC0\xAF", kReplacement + kReplacement},
                    Case{"overlong three bytes", kUtf8Mark + "\xE0\x80\xAF",
                         kReplacement + kReplacement + kReplacement},
                    Case{"surrogate", kUtf8Mark + "\xED\xA0\x80",
                         kReplacement + kReplacement + kReplacement},
                    Case{"past U+10FFFF", kUtf8Mark + "\xF4\x90\x80\x80",
                         kReplacement + kReplacement + kReplacement + kReplacement},
                    Case{"largest code point", kUtf8Mark + "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
                    // A sequence cut short becomes one replacement, whatever follows.
                    Case{"cut at the end", kUtf8Mark + "\xF0\x9F\x94", kReplacement},
                    Case{"cut before a letter", kUtf8Mark + "\xF0\x9F\x94x", kReplacement + "x"},
                    Case{"bytes that start nothing", kUtf8Mark + "\xFE\xFF\xF8",
                         kReplacement + kReplacement + kReplacement}));

INSTANTIATE_TEST_SUITE_P(
    BrokenUtf16, DecodeTextTest,
    testing::Values(Case{"lone high surrogate",
                         kLittleEndianMark + Le(std::u16string{char16_t{0xD83D}, u'a'}),
                         kReplacement + "a"},
                    Case{"lone low surrogate",
                         kBigEndianMark + Be(std::u16string{u'a', char16_t{0xDD14}}),
                         "a" + kReplacement},
                    Case{"high surrogate at the end",
                         kLittleEndianMark + Le(std::u16string{char16_t{0xD83D}}), kReplacement},
                    Case{"surrogates swapped",
                         kBigEndianMark + Be(std::u16string{char16_t{0xDD14}, char16_t{0xD83D}}),
                         kReplacement + kReplacement},
                    Case{"odd last byte", kLittleEndianMark + Le(u"ab") + "c", "ab" + kReplacement},
                    Case{"one byte after the mark", kBigEndianMark + "\x01", kReplacement}));

} // namespace
} // namespace vorlane
