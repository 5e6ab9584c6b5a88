// The other half of the kill-safety test: writes the settings file over and over through the
// program's own replacing write until the test kills it.
//
//   SettingsWriter.exe SETTINGS-FILE ROUND STARTED-EVENT
//
// Each write puts down the next of KillSafeContent(ROUND, 0), (ROUND, 1), ... The inherited
// event STARTED-EVENT (its handle value in decimal) is set just before the first write, so
// that the test's random wait counts from the writing and not from the process start.
#include "platform/Errors.h"
#include "platform/win32/SystemFiles.h"
#include "platform/win32/Utf16.h"
#include "tests/win32/KillSafeContents.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// Long enough to outlast any wait of the test many times over; a writer that gets here was
// not killed, which the test sees in its exit code.
constexpr int kWritesAtMost = 100000;

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fputs("usage: SettingsWriter SETTINGS-FILE ROUND STARTED-EVENT\n", stderr);
        return 2;
    }
    const std::string settings = vorlane::win32::Narrow(argv[1]);
    const int round = std::stoi(argv[2]);
    // A handle value travels as a number; this is how an inherited handle is handed over.
    const auto started =
        reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::stoull(argv[3])));

    vorlane::win32::SystemFiles files;
    SetEvent(started);
    try {
        for (int write = 0; write < kWritesAtMost; ++write) {
            files.WriteReplacing(settings, vorlane::testing::KillSafeContent(round, write));
        }
    } catch (const vorlane::EFileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
