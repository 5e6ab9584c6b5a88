#include "core/CommandLine.h"

#include "core/StrictInt.h"
#include "core/Utf8Prefix.h"

#include <algorithm>
#include <string_view>

namespace vorlane {

namespace {

// The text after "-t" or "-s" is read only up to this many characters; the rest is dropped.
constexpr std::size_t kMaxValueCharacters = 255;

// The countdown of "-t" is given in whole minutes below 1000, the largest the display shows.
constexpr std::int32_t kMaxStartMinutes = 999;

bool StartsWith(std::string_view argument, std::string_view prefix) {
    return argument.substr(0, prefix.size()) == prefix;
}

std::string_view ValueAfterSwitch(std::string_view argument) {
    return Utf8Prefix(argument.substr(2), kMaxValueCharacters);
}

std::optional<std::int32_t> StartSecondsFrom(std::string_view value) {
    const std::optional<std::int32_t> minutes = StrToIntStrict(value);
    if (!minutes || *minutes < 0 || *minutes > kMaxStartMinutes) {
        return std::nullopt;
    }
    return *minutes * 60;
}

// Underscores stand for spaces, so a reminder text can be given without quoting.
std::string ReminderTextFrom(std::string_view value) {
    std::string text(value);
    std::replace(text.begin(), text.end(), '_', ' ');
    return text;
}

// The name part of a countdown record: eight lowercase hexadecimal digits, nothing that could
// lead out of the settings folder.
bool IsRecordName(std::string_view name) {
    return name.size() == 8 && std::all_of(name.begin(), name.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

constexpr std::string_view kCountdownRecordSwitch = "--countdown=";

} // namespace

CommandLineOptions ReadArguments(const std::vector<std::string>& arguments) {
    CommandLineOptions options;
    for (const std::string& argument : arguments) {
        if (argument == "-m") {
            options.startMinimized = true;
        } else if (argument == "-p") {
            options.useExeFolder = true;
        } else if (StartsWith(argument, "-t")) {
            // An unusable value leaves an earlier valid "-t" in force.
            if (const auto seconds = StartSecondsFrom(ValueAfterSwitch(argument))) {
                options.remainingSeconds = seconds;
            }
        } else if (StartsWith(argument, "-s")) {
            options.reminderText = ReminderTextFrom(ValueAfterSwitch(argument));
        } else if (StartsWith(argument, kCountdownRecordSwitch)) {
            const std::string_view name =
                std::string_view(argument).substr(kCountdownRecordSwitch.size());
            if (IsRecordName(name)) {
                options.countdownRecord = std::string(name);
            }
        }
    }
    return options;
}

} // namespace vorlane
