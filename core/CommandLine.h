#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlane {

// What the command line asks for. Empty optionals mean the argument was not given (or, for
// "-t", never given with a usable value), so start-up keeps its defaults.
struct CommandLineOptions {
    bool startMinimized = false;                  // "-m"
    bool useExeFolder = false;                    // "-p"
    std::optional<std::int32_t> remainingSeconds; // from the last valid "-t"
    std::optional<std::string> reminderText;      // from the last "-s"
    // "--countdown=" and the eight hexadecimal digits of a record's name: Windows restarting
    // a copy of the program names the record of the countdown that copy ran.
    std::optional<std::string> countdownRecord;
};

// Reads the arguments after the program name (UTF-8), first to last; later arguments of the
// same kind overwrite earlier ones. Arguments that do not fit are ignored without a message.
CommandLineOptions ReadArguments(const std::vector<std::string>& arguments);

} // namespace vorlane
