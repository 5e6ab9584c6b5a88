// The command-line reader on any arguments: the input split at NUL bytes, as no argument can
// hold one.
//
// Invariants: no crash and no sanitizer report; "-m" and "-p" are seen exactly when given;
// a countdown comes only from a "-t" and is whole minutes from 0 to 999; a reminder text
// comes only from a "-s", has no underscore left, is the start of the last "-s" value with
// underscores as blanks, is cut only where a character begins, and is the whole value when
// that has at most 255 characters, else 255 of them; a countdown record's name comes only from
// a "--countdown=" argument and is eight lowercase hexadecimal digits.
#include "core/CommandLine.h"
#include "fuzz/FuzzChecks.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vorlane::fuzz::Require;

std::vector<std::string> SplitAtNul(std::string_view input) {
    std::vector<std::string> arguments;
    std::size_t start = 0;
    for (std::size_t end; (end = input.find('\0', start)) != std::string_view::npos;
         start = end + 1) {
        arguments.emplace_back(input.substr(start, end - start));
    }
    arguments.emplace_back(input.substr(start));
    return arguments;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

// Characters as the reader counts them: every byte that is no continuation byte begins one.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

void CheckReminder(const std::string& reminder, std::string_view value) {
    constexpr std::size_t kMaxCharacters = 255;
    std::string blanked(value);
    std::replace(blanked.begin(), blanked.end(), '_', ' ');
    Require(reminder.find('_') == std::string::npos, "no underscore is left");
    Require(blanked.starts_with(reminder), "the start of the value, underscores as blanks");
    Require(reminder.size() == value.size() || !IsContinuationByte(value[reminder.size()]),
            "cut only where a character begins");
    const std::size_t characters = CharacterCount(value);
    Require(CharacterCount(reminder) == std::min(characters, kMaxCharacters),
            "the whole value, or its first 255 characters");
    if (vorlane::fuzz::IsValidUtf8(value)) {
        Require(vorlane::fuzz::IsValidUtf8(reminder), "valid text stays valid");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> arguments = SplitAtNul(vorlane::fuzz::AsText(data, size));
    const vorlane::CommandLineOptions options = vorlane::ReadArguments(arguments);

    const auto given = [&arguments](std::string_view argument) {
        return std::find(arguments.begin(), arguments.end(), argument) != arguments.end();
    };
    Require(options.startMinimized == given("-m"), "-m is seen exactly when given");
    Require(options.useExeFolder == given("-p"), "-p is seen exactly when given");

    const std::string* lastTime = nullptr;
    const std::string* lastReminder = nullptr;
    for (const std::string& argument : arguments) {
        if (argument.starts_with("-t")) {
            lastTime = &argument;
        } else if (argument.starts_with("-s")) {
            lastReminder = &argument;
        }
    }
    if (options.remainingSeconds) {
        const std::int32_t seconds = *options.remainingSeconds;
        Require(lastTime != nullptr, "a countdown only from -t");
        Require(seconds >= 0 && seconds <= 999 * 60 && seconds % 60 == 0,
                "whole minutes from 0 to 999");
    }
    Require(options.reminderText.has_value() == (lastReminder != nullptr),
            "a reminder exactly when -s is given");
    if (options.reminderText) {
        CheckReminder(*options.reminderText, std::string_view(*lastReminder).substr(2));
    }
    if (options.countdownRecord) {
        const std::string& name = *options.countdownRecord;
        Require(given("--countdown=" + name), "a record's name only from --countdown=");
        Require(name.size() == 8 && name.find_first_not_of("0123456789abcdef") == std::string::npos,
                "a record's name is eight lowercase hexadecimal digits");
    }
    return 0;
}
