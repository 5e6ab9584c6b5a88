#include "core/StrictInt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace vorlane {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct Case {
    std::string text;
    std::optional<std::int32_t> expected;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    out << '"' << c.text << "\" -> ";
    if (c.expected) {
        return out << *c.expected;
    }
    return out << "fails";
}

class StrToIntStrictTest : public testing::TestWithParam<Case> {};

TEST_P(StrToIntStrictTest, ConvertsOrFails) {
    EXPECT_EQ(StrToIntStrict(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Decimal, StrToIntStrictTest,
                         testing::Values(Case{"0", 0}, Case{"7", 7}, Case{"42", 42}, Case{"007", 7},
                                         Case{"999", 999}, Case{"1000", 1000}, Case{"-0", 0},
                                         Case{"+0", 0}, Case{"-5", -5}, Case{"+12", 12},
                                         Case{"123456789", 123456789}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, StrToIntStrictTest,
    testing::Values(Case{"$A", 10}, Case{"$a", 10}, Case{"xFF", 255}, Case{"Xff", 255},
                    Case{"0x1F", 31}, Case{"0X1f", 31}, Case{"$0", 0}, Case{"0x0", 0},
                    Case{"$10", 16}, Case{"$AbCdEf", 0xABCDEF}, Case{"-$A", -10}, Case{"+0x10", 16},
                    Case{"  $C", 12}, Case{"$7FFFFFFF", kMax}, Case{"$FFFFFFFF", -1},
                    Case{"$ffffffff", -1}, Case{"$80000000", kMin}, Case{"-$FFFFFFFF", 1},
                    Case{"-$80000000", kMin}, Case{"-$7FFFFFFF", -kMax}, Case{"$00000000FF", 255}));

INSTANTIATE_TEST_SUITE_P(Blanks, StrToIntStrictTest,
                         testing::Values(Case{" 5", 5}, Case{"   -5", -5}, Case{"  +5", 5},
                                         Case{"5 ", std::nullopt}, Case{" 5 ", std::nullopt},
                                         Case{"- 5", std::nullopt}, Case{"$ 5", std::nullopt},
                                         Case{"0x 5", std::nullopt}, Case{"\t5", std::nullopt},
                                         Case{"5\n", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Limits, StrToIntStrictTest,
    testing::Values(Case{"2147483647", kMax}, Case{"+2147483647", kMax},
                    Case{"2147483648", std::nullopt}, Case{"-2147483648", kMin},
                    Case{"-2147483649", std::nullopt}, Case{"99999999999999999999", std::nullopt},
                    Case{"-99999999999999999999", std::nullopt}, Case{"0002147483647", kMax},
                    Case{"$100000000", std::nullopt}, Case{"-$100000000", std::nullopt},
                    Case{"0xFFFFFFFFFFFFFFFF", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, StrToIntStrictTest,
    testing::Values(Case{"", std::nullopt}, Case{"   ", std::nullopt}, Case{"-", std::nullopt},
                    Case{"+", std::nullopt}, Case{" -", std::nullopt}, Case{"$", std::nullopt},
                    Case{"x", std::nullopt}, Case{"0x", std::nullopt}, Case{"-0X", std::nullopt},
                    Case{"+-1", std::nullopt}, Case{"--1", std::nullopt}, Case{"++1", std::nullopt},
                    Case{"$-1", std::nullopt}, Case{"12a", std::nullopt}, Case{"1.5", std::nullopt},
                    Case{"1,000", std::nullopt}, Case{"abc", std::nullopt},
                    Case{"$G", std::nullopt}, Case{"$1G", std::nullopt}, Case{"00x1", std::nullopt},
                    Case{"0$1", std::nullopt}, Case{"$$1", std::nullopt},
                    Case{"0xx1", std::nullopt}, Case{"1e3", std::nullopt}, Case{"５", std::nullopt},
                    Case{std::string("1\0", 2), std::nullopt}));

} // namespace
} // namespace vorlane
