#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vorlane {
namespace {

// One command line and the options it must give; members left out keep their defaults.
struct Case {
    std::vector<std::string> arguments;
    bool startMinimized = false;
    bool useExeFolder = false;
    std::optional<std::int32_t> remainingSeconds = std::nullopt;
    std::optional<std::string> reminderText = std::nullopt;
    std::optional<std::string> countdownRecord = std::nullopt;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    out << '[';
    for (const std::string& argument : c.arguments) {
        out << " \"" << argument << '"';
    }
    return out << " ]";
}

class ReadArgumentsTest : public testing::TestWithParam<Case> {};

TEST_P(ReadArgumentsTest, AppliesTheArguments) {
    const Case& c = GetParam();
    const CommandLineOptions options = ReadArguments(c.arguments);
    EXPECT_EQ(options.startMinimized, c.startMinimized);
    EXPECT_EQ(options.useExeFolder, c.useExeFolder);
    EXPECT_EQ(options.remainingSeconds, c.remainingSeconds);
    EXPECT_EQ(options.reminderText, c.reminderText);
    EXPECT_EQ(options.countdownRecord, c.countdownRecord);
}

INSTANTIATE_TEST_SUITE_P(
    Minutes, ReadArgumentsTest,
    testing::Values(
        Case{.arguments = {}}, Case{.arguments = {"-t999"}, .remainingSeconds = 59940},
        Case{.arguments = {"-t0"}, .remainingSeconds = 0},
        Case{.arguments = {"-t1"}, .remainingSeconds = 60},
        Case{.arguments = {"-t12"}, .remainingSeconds = 720}, Case{.arguments = {"-t1000"}},
        Case{.arguments = {"-t-5"}}, Case{.arguments = {"-t-1"}}, Case{.arguments = {"-tabc"}},
        Case{.arguments = {"-t"}}, Case{.arguments = {"-T5"}}, Case{.arguments = {"-t5 "}},
        Case{.arguments = {"-t5x"}}, Case{.arguments = {"-t2147483648"}},
        Case{.arguments = {"-t$FFFFFFFF"}}, Case{.arguments = {"-t-0"}, .remainingSeconds = 0},
        Case{.arguments = {"-t+7"}, .remainingSeconds = 420},
        Case{.arguments = {"-t 5"}, .remainingSeconds = 300},
        Case{.arguments = {"-t$A"}, .remainingSeconds = 600},
        Case{.arguments = {"-t0x3E7"}, .remainingSeconds = 59940}, Case{.arguments = {"-t$3E8"}},
        Case{.arguments = {"-t5", "-t7"}, .remainingSeconds = 420},
        Case{.arguments = {"-t5", "-tabc"}, .remainingSeconds = 300},
        Case{.arguments = {"-t5", "-t1000"}, .remainingSeconds = 300},
        Case{.arguments = {"-t5", "-t"}, .remainingSeconds = 300},
        Case{.arguments = {"-t5", "-t0"}, .remainingSeconds = 0}));

INSTANTIATE_TEST_SUITE_P(
    Switches, ReadArgumentsTest,
    testing::Values(
        Case{.arguments = {"-m"}, .startMinimized = true},
        Case{.arguments = {"-p"}, .useExeFolder = true},
        Case{.arguments = {"-m", "-p"}, .startMinimized = true, .useExeFolder = true},
        Case{.arguments = {"-p", "-m", "-m"}, .startMinimized = true, .useExeFolder = true},
        Case{.arguments = {"-M"}}, Case{.arguments = {"-P"}}, Case{.arguments = {"-m5"}},
        Case{.arguments = {"-mp"}}, Case{.arguments = {"-p "}}, Case{.arguments = {" -m"}},
        Case{.arguments = {"m"}}, Case{.arguments = {"/m"}}, Case{.arguments = {"--m"}},
        Case{.arguments = {"-"}}, Case{.arguments = {""}}, Case{.arguments = {"-x"}},
        // The sound helper's arguments, where they reach the program, are nobody's option.
        Case{.arguments = {"--vorlane-sound-device", "12", "34", "C:\\Musik\\a.wav"}},
        Case{.arguments = {"--vorlane-sound-device", "-t5"}, .remainingSeconds = 300}));

INSTANTIATE_TEST_SUITE_P(
    Reminder, ReadArgumentsTest,
    testing::Values(Case{.arguments = {"-sTea_is_ready"}, .reminderText = "Tea is ready"},
                    Case{.arguments = {"-s"}, .reminderText = ""},
                    Case{.arguments = {"-s_"}, .reminderText = " "},
                    Case{.arguments = {"-s__a__"}, .reminderText = "  a  "},
                    Case{.arguments = {"-sTea is ready"}, .reminderText = "Tea is ready"},
                    Case{.arguments = {"-sFirst", "-sSecond"}, .reminderText = "Second"},
                    Case{.arguments = {"-sFirst", "-s"}, .reminderText = ""},
                    Case{.arguments = {"-s-t5"}, .reminderText = "-t5"},
                    Case{.arguments = {"-s-m"}, .reminderText = "-m"},
                    Case{.arguments = {"-sTee_für_zwei"}, .reminderText = "Tee für zwei"},
                    Case{.arguments = {"-S5"}}));

INSTANTIATE_TEST_SUITE_P(Together, ReadArgumentsTest,
                         testing::Values(Case{.arguments = {"-t0", "-sTea_is_ready"},
                                              .remainingSeconds = 0,
                                              .reminderText = "Tea is ready"},
                                         Case{.arguments = {"-m", "-p", "-t3", "-sHi"},
                                              .startMinimized = true,
                                              .useExeFolder = true,
                                              .remainingSeconds = 180,
                                              .reminderText = "Hi"},
                                         Case{
                                             .arguments = {"-sHi", "-x", "-t3", "-M", "-t-3", "-m"},
                                             .startMinimized = true,
                                             .remainingSeconds = 180,
                                             .reminderText = "Hi"}));

// The record a restart names: eight lowercase hexadecimal digits, nothing else; the user's
// arguments read as ever beside it.
INSTANTIATE_TEST_SUITE_P(
    CountdownRecord, ReadArgumentsTest,
    testing::Values(
        Case{.arguments = {"--countdown=0badf00d"}, .countdownRecord = "0badf00d"},
        Case{.arguments = {"-p", "--countdown=12345678"},
             .useExeFolder = true,
             .countdownRecord = "12345678"},
        Case{.arguments = {"--countdown=1234567"}}, Case{.arguments = {"--countdown=123456789"}},
        Case{.arguments = {"--countdown=0BADF00D"}}, Case{.arguments = {"--countdown=..\\..\\x"}},
        Case{.arguments = {"--countdown="}}, Case{.arguments = {"-countdown=0badf00d"}},
        Case{.arguments = {"-s--countdown=0badf00d"}, .reminderText = "--countdown=0badf00d"},
        Case{.arguments = {"--countdown=0badf00d", "-t5", "-sTee"},
             .remainingSeconds = 300,
             .reminderText = "Tee",
             .countdownRecord = "0badf00d"}));

// count copies of piece, for the long arguments below.
std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST(ReadArgumentsLongValueTest, ReminderTextIsCutTo255Characters) {
    struct LongCase {
        const char* what;
        std::string argument;
        std::string expected;
    };
    const std::vector<LongCase> cases = {
        {"300 letters", "-s" + Repeat("a", 300), Repeat("a", 255)},
        {"exactly 255 letters", "-s" + Repeat("b", 255), Repeat("b", 255)},
        {"256 letters, underscores last", "-s" + Repeat("c", 255) + "_", Repeat("c", 255)},
        {"300 umlauts, two bytes each", "-s" + Repeat("ä", 300), Repeat("ä", 255)},
        {"an umlaut as the 255th character", "-s" + Repeat("d", 254) + "öx",
         Repeat("d", 254) + "ö"},
        {"an umlaut straddling byte 255", "-s" + Repeat("e", 253) + "üüx", Repeat("e", 253) + "üü"},
        {"three- and four-byte characters", "-s" + Repeat("€", 200) + Repeat("😀", 100),
         Repeat("€", 200) + Repeat("😀", 55)},
        {"underscores in a long text", "-s" + Repeat("_a", 150), Repeat(" a", 127) + " "},
    };
    for (const LongCase& c : cases) {
        SCOPED_TRACE(c.what);
        const CommandLineOptions options = ReadArguments({c.argument});
        ASSERT_TRUE(options.reminderText.has_value());
        EXPECT_EQ(*options.reminderText, c.expected);
    }
}

TEST(ReadArgumentsLongValueTest, MinutesAreReadFromTheFirst255Characters) {
    struct LongCase {
        const char* what;
        std::string argument;
        std::optional<std::int32_t> expected;
    };
    const std::vector<LongCase> cases = {
        {"value ends at character 255", "-t" + Repeat(" ", 253) + "12", 720},
        {"second digit beyond the cut", "-t" + Repeat(" ", 254) + "12", 60},
        {"only blanks before the cut", "-t" + Repeat(" ", 255) + "5", std::nullopt},
        {"leading zeros beyond the cut", "-t" + Repeat("0", 300) + "7", 0},
    };
    for (const LongCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadArguments({c.argument}).remainingSeconds, c.expected);
    }
}

} // namespace
} // namespace vorlane
