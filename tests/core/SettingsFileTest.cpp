#include "core/SettingsFile.h"

#include "tests/core/TextTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vorlane {
namespace {

using testing_support::Latin1ToUtf8;
using testing_support::Utf16Bytes;
using Position = std::pair<int, int>;

const std::string kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::optional<Position> kKeepsPosition = std::nullopt;
const std::optional<std::string> kKeepsSoundFile = std::nullopt;

std::optional<Position> AsPosition(const std::optional<ScreenPoint>& point) {
    if (!point) {
        return std::nullopt;
    }
    return Position{point->left, point->top};
}

// A UTF-8 settings file of exactly size bytes that reads as "a", 1, 2: blank lines fill it up.
std::string FileOfSize(std::size_t size) {
    std::string bytes = kUtf8Mark + "a\r\n1\r\n2\r\n";
    bytes.resize(size, '\n');
    return bytes;
}

struct Case {
    const char* name;
    std::string bytes;
    std::optional<std::string> soundFile;
    std::optional<Position> position;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << c.name;
}

class ParseSettingsFileTest : public testing::TestWithParam<Case> {};

TEST_P(ParseSettingsFileTest, TakesWhatTheFileGives) {
    const SettingsFileContent content = ParseSettingsFile(GetParam().bytes, Latin1ToUtf8);
    EXPECT_EQ(content.soundFile, GetParam().soundFile);
    EXPECT_EQ(AsPosition(content.windowPosition), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, ParseSettingsFileTest,
    testing::Values(Case{"UTF-8", kUtf8Mark + "C:\\Klänge\\gong.mp3\r\n874\r\n421\r\n",
                         "C:\\Klänge\\gong.mp3", Position{874, 421}},
                    Case{"UTF-16 LE",
                         "\xFF\xFE" + Utf16Bytes(u"C:\\Klänge\\🔔.mp3\r\n-171\r\n1069\r\n", false),
                         "C:\\Klänge\\🔔.mp3", Position{-171, 1069}},
                    Case{"UTF-16 BE",
                         "\xFE\xFF" + Utf16Bytes(u"C:\\Klänge\\🔔.mp3\r\n-171\r\n1069\r\n", true),
                         "C:\\Klänge\\🔔.mp3", Position{-171, 1069}},
                    Case{"ANSI", "C:\\Kl\xE4nge\\gong.mp3\r\n874\r\n421\r\n",
                         "C:\\Klänge\\gong.mp3", Position{874, 421}}));

INSTANTIATE_TEST_SUITE_P(
    LineEnds, ParseSettingsFileTest,
    testing::Values(
        Case{"LF", "a.mp3\n10\n20\n", "a.mp3", Position{10, 20}},
        Case{"CR", "a.mp3\r10\r20\r", "a.mp3", Position{10, 20}},
        Case{"mixed", "a.mp3\r10\n20\r\n", "a.mp3", Position{10, 20}},
        Case{"no end after the last line", "a.mp3\r\n10\r\n20", "a.mp3", Position{10, 20}},
        Case{"lone CR at the very end", "a.mp3\r\n10\r\n20\r", "a.mp3", Position{10, 20}},
        // LF then CR is two line ends, so line 2 is empty.
        Case{"LF CR", "a.mp3\n\r10\r\n20\r\n", "a.mp3", kKeepsPosition},
        Case{"CR CR LF", "a.mp3\r\r\n10\r\n20\r\n", "a.mp3", kKeepsPosition},
        Case{"lines after the third", "a.mp3\r\n10\r\n20\r\nx\r\n\r\n", "a.mp3",
             Position{10, 20}}));

INSTANTIATE_TEST_SUITE_P(
    MissingLines, ParseSettingsFileTest,
    testing::Values(Case{"empty", "", kKeepsSoundFile, kKeepsPosition},
                    Case{"mark only", kUtf8Mark, kKeepsSoundFile, kKeepsPosition},
                    Case{"UTF-16 mark only", "\xFE\xFF", kKeepsSoundFile, kKeepsPosition},
                    Case{"one line", "a.mp3", "a.mp3", kKeepsPosition},
                    Case{"one line ended", "a.mp3\r\n", "a.mp3", kKeepsPosition},
                    Case{"two lines", "a.mp3\r\n10\r\n", "a.mp3", kKeepsPosition},
                    Case{"one empty line", "\r\n", "", kKeepsPosition},
                    // An empty line 1 is taken over: no sound file then.
                    Case{"empty sound file", "\r\n10\r\n20\r\n", "", Position{10, 20}},
                    Case{"line 2 empty", "a.mp3\r\n\r\n20\r\n", "a.mp3", kKeepsPosition}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParseSettingsFileTest,
    testing::Values(Case{"letters in line 3", "a.mp3\r\n874\r\nabc\r\n", "a.mp3", kKeepsPosition},
                    Case{"letters in line 2", "a.mp3\r\nabc\r\n421\r\n", "a.mp3", kKeepsPosition},
                    Case{"largest values", "a\r\n2147483647\r\n-2147483648\r\n", "a",
                         Position{2147483647, -2147483647 - 1}},
                    Case{"left past 32 bits", "a\r\n2147483648\r\n421\r\n", "a", kKeepsPosition},
                    Case{"top past 32 bits", "a\r\n874\r\n-2147483649\r\n", "a", kKeepsPosition},
                    Case{"hexadecimal", "a\r\n$36A\r\n0x1A5\r\n", "a", Position{874, 421}},
                    Case{"leading blanks", "a\r\n  874\r\n +421\r\n", "a", Position{874, 421}},
                    Case{"trailing blank", "a\r\n874 \r\n421\r\n", "a", kKeepsPosition},
                    Case{"decimal point", "a\r\n874.0\r\n421\r\n", "a", kKeepsPosition},
                    // The sound file path is taken as it stands, blanks included.
                    Case{"blanks around the path", "  a b.mp3\t \r\n1\r\n2\r\n", "  a b.mp3\t ",
                         Position{1, 2}}));

INSTANTIATE_TEST_SUITE_P(
    Damaged, ParseSettingsFileTest,
    testing::Values(
        // The odd byte becomes U+FFFD: as a line of its own it does no harm, at the end of
        // line 3 it spoils the number.
        Case{"odd UTF-16 after a line end",
             "\xFF\xFE" + Utf16Bytes(u"a\r\n1\r\n2\r\n", false) + "x", "a", Position{1, 2}},
        Case{"odd UTF-16 in line 3", "\xFF\xFE" + Utf16Bytes(u"a\r\n1\r\n2", false) + "x", "a",
             kKeepsPosition},
        Case{"broken UTF-8 in the path", kUtf8Mark + "a\xFFz\r\n1\r\n2\r\n", "a\xEF\xBF\xBDz",
             Position{1, 2}},
        Case{"binary", std::string("\0\x01\x7F\r\n\0\r\n\xFF", 9), std::string("\0\x01\x7F", 3),
             kKeepsPosition},
        Case{"NUL after the number", std::string("a\r\n1\r\n2\0", 8), "a", kKeepsPosition}));

INSTANTIATE_TEST_SUITE_P(
    Size, ParseSettingsFileTest,
    testing::Values(Case{"exactly the limit", FileOfSize(kSettingsFileMaxBytes), "a",
                         Position{1, 2}},
                    Case{"one byte too large", FileOfSize(kSettingsFileMaxBytes + 1),
                         kKeepsSoundFile, kKeepsPosition}));

TEST(FormatSettingsFileTest, WritesMarkAndThreeLinesEndedByCrLf) {
    EXPECT_EQ(FormatSettingsFile("C:\\Sounds\\gong.mp3", ScreenPoint{874, 421}),
              "\xEF\xBB\xBF"
              "C:\\Sounds\\gong.mp3\r\n874\r\n421\r\n");
    EXPECT_EQ(FormatSettingsFile("", ScreenPoint{-171, -2147483647 - 1}),
              "\xEF\xBB\xBF\r\n-171\r\n-2147483648\r\n");
    EXPECT_EQ(FormatSettingsFile("D:\\Klänge\\🔔.mp3", ScreenPoint{0, 0}),
              "\xEF\xBB\xBF"
              "D:\\Kl\xC3\xA4nge\\\xF0\x9F\x94\x94.mp3\r\n0\r\n0\r\n");
}

TEST(FormatSettingsFileTest, ReadsBackWhatItWrote) {
    const std::vector<std::pair<std::string, Position>> stored = {
        {"C:\\Sounds\\gong.mp3", {874, 421}},
        {"", {0, 0}},
        {"\\\\server\\share\\Klänge\\🔔 alarm.mp3", {-1451, 1069}},
        {"  blanks  ", {2147483647, -2147483647 - 1}},
    };
    for (const auto& [soundFile, position] : stored) {
        SCOPED_TRACE(soundFile);
        const std::string bytes =
            FormatSettingsFile(soundFile, ScreenPoint{position.first, position.second});
        const SettingsFileContent content = ParseSettingsFile(bytes, Latin1ToUtf8);
        EXPECT_EQ(content.soundFile, soundFile);
        EXPECT_EQ(AsPosition(content.windowPosition), position);
    }
}

// Only the lines a copy changed are replaced; the rest keep what the file on the disk says,
// in whatever encoding and with whatever line ends it was written.
TEST(MergeSettingsFileTest, ReplacesOnlyTheChangedLines) {
    const SettingsChanges sound{std::string("C:\\Neu.mp3"), std::nullopt};
    const SettingsChanges place{std::nullopt, ScreenPoint{-5, 640}};
    const SettingsChanges both{std::string("C:\\Neu.mp3"), ScreenPoint{-5, 640}};
    const struct {
        const char* name;
        std::string current;
        SettingsChanges changes;
        std::string expected;
    } cases[] = {
        {"the sound", kUtf8Mark + "C:\\Alt.mp3\r\n1\r\n2\r\n", sound,
         kUtf8Mark + "C:\\Neu.mp3\r\n1\r\n2\r\n"},
        {"the place", kUtf8Mark + "C:\\Alt.mp3\r\n1\r\n2\r\n", place,
         kUtf8Mark + "C:\\Alt.mp3\r\n-5\r\n640\r\n"},
        {"both", "C:\\Alt.mp3\n1\n2\n", both, kUtf8Mark + "C:\\Neu.mp3\r\n-5\r\n640\r\n"},
        {"ANSI, LF, the place", "C:\\Kl\xE4nge.mp3\n1\n2", place,
         kUtf8Mark + "C:\\Kl\xC3\xA4nge.mp3\r\n-5\r\n640\r\n"},
        {"UTF-16, the place",
         std::string("\xFF\xFE"
                     "s\0\r\0\n\0"
                     "1\0\r\0\n\0"
                     "2\0",
                     16),
         place, kUtf8Mark + "s\r\n-5\r\n640\r\n"},
        {"lines that are no numbers stay", "s\r\nx\r\ny\r\n", sound,
         kUtf8Mark + "C:\\Neu.mp3\r\nx\r\ny\r\n"},
        {"missing lines are written empty", "s", sound, kUtf8Mark + "C:\\Neu.mp3\r\n\r\n\r\n"},
        {"an empty file", "", place, kUtf8Mark + "\r\n-5\r\n640\r\n"},
        {"lines beyond the third are dropped", "s\r\n1\r\n2\r\n3\r\n", place,
         kUtf8Mark + "s\r\n-5\r\n640\r\n"},
        {"a file of exactly the limit keeps its sound line", FileOfSize(kSettingsFileMaxBytes),
         place, kUtf8Mark + "a\r\n-5\r\n640\r\n"},
        {"a file too large to be read counts as empty",
         "s\r\n1\r\n2\r\n" + FileOfSize(kSettingsFileMaxBytes), place,
         kUtf8Mark + "\r\n-5\r\n640\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MergeSettingsFile(c.current, Latin1ToUtf8, c.changes), c.expected);
    }
}

} // namespace
} // namespace vorlane
