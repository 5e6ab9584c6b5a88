#include "tests/win32/KillSafeContents.h"

#include "core/SettingsFile.h"

#include <cstddef>

namespace vorlane::testing {

namespace {
constexpr std::size_t kFirstSoundNameBytes = 600 * 1024;
constexpr std::size_t kSecondSoundNameBytes = 400 * 1024;
} // namespace

std::string KillSafeContent(int round, int write) {
    const bool first = write % 2 == 0;
    const std::string sound =
        "C:\\Kl\xC3\xA4nge\\" +
        std::string(first ? kFirstSoundNameBytes : kSecondSoundNameBytes, first ? 'a' : 'b') +
        ".wav";
    return FormatSettingsFile(sound, {round, write});
}

} // namespace vorlane::testing
