#include "core/Utf8Prefix.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace vorlane {
namespace {

TEST(Utf8PrefixTest, CountsCharactersNotBytes) {
    struct Case {
        std::string text;
        std::size_t maxCharacters;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", 0, ""},       {"", 5, ""},        {"abc", 0, ""},   {"abc", 2, "ab"},
        {"abc", 3, "abc"}, {"abc", 10, "abc"}, {"äöü", 2, "äö"}, {"aä", 1, "a"},
        {"€uro", 1, "€"},  {"😀😀x", 2, "😀😀"},   {"a😀", 1, "a"},   {"ä", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" to " << c.maxCharacters);
        EXPECT_EQ(std::string(Utf8Prefix(c.text, c.maxCharacters)), c.expected);
    }
}

} // namespace
} // namespace vorlane
