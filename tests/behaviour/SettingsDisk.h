#pragma once
// The places and files the settings tests work with on the headless disk.
#include "AppFixture.h"

#include <string>
#include <vector>

namespace vorlane::testing {

inline const std::string kProgramFolder = "C:\\Program Files\\Vorlane\\";
inline const std::string kUserFolder = "C:\\Users\\Anna\\AppData\\Roaming\\Vorlane\\";
inline const std::string kBom = "\xEF\xBB\xBF";

// A settings file as an editor might leave it: no byte-order mark, LF line ends. The program
// never writes one like this, so a rewrite always shows.
inline std::string HandWrittenSettings(const std::string& soundFile, int left, int top) {
    return soundFile + "\n" + std::to_string(left) + "\n" + std::to_string(top) + "\n";
}

// The bytes the program writes.
inline std::string WrittenSettings(const std::string& soundFile, int left, int top) {
    return kBom + soundFile + "\r\n" + std::to_string(left) + "\r\n" + std::to_string(top) + "\r\n";
}

// The file's bytes, or "(none)".
inline std::string BytesOf(const headless::InMemoryFiles& disk, const std::string& path) {
    const auto file = disk.files.find(path);
    return file == disk.files.end() ? "(none)" : file->second.bytes;
}

// The files that lie directly in a folder (spelled with its trailing backslash), in order.
inline std::vector<std::string> FilesIn(const headless::InMemoryFiles& disk,
                                        const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& [path, file] : disk.files) {
        if (path.rfind(folder, 0) == 0 && path.find('\\', folder.size()) == std::string::npos) {
            names.push_back(path);
        }
    }
    return names;
}

// The same, less the record of a running countdown and its lock ("Countdown-...").
inline std::vector<std::string> FilesBesideTheCountdownRecord(const headless::InMemoryFiles& disk,
                                                              const std::string& folder) {
    std::vector<std::string> names;
    for (const std::string& path : FilesIn(disk, folder)) {
        if (path.rfind(folder + "Countdown-", 0) != 0) {
            names.push_back(path);
        }
    }
    return names;
}

} // namespace vorlane::testing
