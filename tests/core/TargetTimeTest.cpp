#include "core/TargetTime.h"

#include "core/Utf8Character.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vorlane {
namespace {

struct Case {
    std::string typed;
    std::string expected;
};

void ExpectNormalised(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.typed << '"');
        const TargetTime target = ParseTargetTime(c.typed);
        EXPECT_EQ(target.text, c.expected);
        EXPECT_EQ(target.hour, std::stoi(c.expected.substr(0, 2)));
        EXPECT_EQ(target.minute, std::stoi(c.expected.substr(3, 2)));
    }
}

TEST(ParseTargetTimeTest, NormalisesTypedTimes) {
    ExpectNormalised({
        {"", "12:00"},       {"7", "07:00"},     {"0", "00:00"},     {"12", "12:00"},
        {"24", "00:00"},     {"25", "23:00"},    {"30", "23:00"},    {"x7", "07:00"},
        {"7x", "12:00"},     {"7:", "12:00"},    {"745", "23:05"},   {"0745", "07:45"},
        {"7:45", "07:45"},   {"7.45", "07:45"},  {"07:5", "07:05"},  {"123", "12:03"},
        {"12:345", "12:34"}, {"12:60", "12:59"}, {"99:99", "23:59"}, {"24:30", "00:30"},
        {":15", "12:00"},    {"abc", "12:00"},   {"09:", "12:00"},   {"09:x", "09:00"},
        {"1a:30", "01:30"},
    });
}

TEST(ParseTargetTimeTest, ReadsSeparatorsAndMissingParts) {
    ExpectNormalised({
        // Two separators are skipped, a third is not.
        {"7 -45", "07:45"},
        {"7::45", "07:45"},
        {"7:::4", "07:00"},
        {"07::5", "07:05"},
        // The minute may be missing after a separator that is not alone.
        {"07: ", "07:00"},
        {"07ab", "07:00"},
        // Only the first five characters count.
        {"23:5999", "23:59"},
        {"1234567", "12:34"},
        {"12:3 and more", "12:03"},
        {"00:00", "00:00"},
        {"23:59", "23:59"},
        {"9:05", "09:05"},
        {" 9:05", "12:00"},
    });
}

TEST(ParseTargetTimeTest, CountsCharactersAsUtf16Units) {
    ExpectNormalised({
        // One unit each: a letter with umlaut is a separator or an unreadable character.
        {"7\xC3\xA4", "12:00"},
        {"\xC3\xA4"
         "7",
         "07:00"},
        {"7\xC3\xA4"
         "45",
         "07:45"},
        {"12\xE2\x82\xAC"
         "30",
         "12:30"},
        // A character above U+FFFF takes two of the five places and is two separators.
        {"7\xF0\x9F\x98\x80", "07:00"},
        {"7\xF0\x9F\x98\x80"
         "45",
         "07:45"},
        {"1\xF0\x9F\x98\x80:30", "01:00"},
        {"12:3\xF0\x9F\x98\x80", "12:03"},
        // Digits of other scripts are no digits.
        {"\xEF\xBC\x91\xEF\xBC\x97", "12:00"},
        {"7\xD9\xA3", "12:00"},
        // A byte that is no UTF-8 is one unreadable character.
        {"\xFF"
         "7",
         "07:00"},
        {"07\xFF\xFE"
         "5",
         "07:05"},
        {"07\xE2\x82"
         "5",
         "07:05"},
        {std::string("1\0"
                     "30",
                     4),
         "01:30"},
    });
}

// Pseudo-random typed texts from a fixed seed: short ones near the rules' edges, long ones,
// and bytes of every value, valid UTF-8 or not.
std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> kPieces = {
        "0",
        "1",
        "2",
        "3",
        "4",
        "5",
        "7",
        "9",
        ":",
        ".",
        " ",
        "a",
        "Z",
        "-",
        "24",
        "60",
        "99",
        "\xC3\xA4",
        "\xE2\x82\xAC",
        "\xF0\x9F\x98\x80",
        "\xFF",
        "\x80",
        "\xE2\x82",
        std::string(1, '\0'),
    };
    const std::uint32_t kind = random() % 4;
    const std::size_t length = kind == 0 ? random() % 4000 : random() % 9;
    std::string text;
    while (text.size() < length) {
        if (kind == 1) {
            text += static_cast<char>(random() % 256);
        } else {
            text += kPieces[random() % kPieces.size()];
        }
    }
    return text;
}

// The bytes that make up the first five UTF-16 units of a text longer than that, or nothing
// when the text is not longer or a character straddles the fifth unit.
std::optional<std::size_t> BytesOfFirstFiveUnits(const std::string& text) {
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < text.size() && units < 5) {
        const Utf8Character character = Utf8CharacterAt(text, pos);
        units += character.utf16Units;
        pos += character.bytes;
    }
    if (units != 5 || pos == text.size()) {
        return std::nullopt;
    }
    return pos;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

TEST(ParseTargetTimeTest, GivesAValidTimeForAnyText) {
    std::mt19937 random(20240517u);
    for (int round = 0; round < 5000; ++round) {
        const std::string typed = RandomText(random);
        TargetTime target{};
        ASSERT_NO_THROW(target = ParseTargetTime(typed)) << "round " << round;
        const std::string& text = target.text;
        ASSERT_EQ(text.size(), 5u) << "round " << round;
        ASSERT_TRUE(IsDigit(text[0]) && IsDigit(text[1]) && text[2] == ':' && IsDigit(text[3]) &&
                    IsDigit(text[4]))
            << "round " << round << ": " << text;
        ASSERT_LT(target.hour, 24) << "round " << round;
        ASSERT_LT(target.minute, 60) << "round " << round;
        ASSERT_EQ(target.hour, (text[0] - '0') * 10 + (text[1] - '0')) << "round " << round;
        ASSERT_EQ(target.minute, (text[3] - '0') * 10 + (text[4] - '0')) << "round " << round;

        const TargetTime again = ParseTargetTime(text);
        ASSERT_EQ(again.text, text) << "round " << round;
        ASSERT_EQ(again.hour, target.hour) << "round " << round;
        ASSERT_EQ(again.minute, target.minute) << "round " << round;

        // Nothing after the first five characters counts.
        const std::optional<std::size_t> fiveUnits = BytesOfFirstFiveUnits(typed);
        if (fiveUnits) {
            ASSERT_EQ(ParseTargetTime(typed.substr(0, *fiveUnits)).text, text) << "round " << round;
        }
    }
}

} // namespace
} // namespace vorlane
