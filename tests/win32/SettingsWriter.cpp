// The other half of the kill-safety test: writes the settings file over and over through the
// program's own replacing write until the test kills it.
//
//   SettingsWriter.exe SETTINGS-FILE ROUND READY-EVENT GO-EVENT
//
// The events are inherited handles, their values in decimal. Once started, the writer sets
// READY-EVENT and waits for GO-EVENT, so that the test can start the next writers while one
// writes and its random wait counts from the writing, not from the process start. Then each
// write puts down the next of KillSafeContent(ROUND, 0), (ROUND, 1), ...
#include "platform/Errors.h"
#include "platform/win32/DebuggerTrace.h"
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
// A writer whose test has gone away ends by itself instead of waiting for ever.
constexpr DWORD kGoWithinMs = 60000;

// A handle value travels as a number; this is how an inherited handle is handed over.
HANDLE InheritedHandle(const wchar_t* value) {
    return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::stoull(value)));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fputs("usage: SettingsWriter SETTINGS-FILE ROUND READY-EVENT GO-EVENT\n", stderr);
        return 2;
    }
    const std::string settings = vorlane::win32::Narrow(argv[1]);
    const int round = std::stoi(argv[2]);

    vorlane::win32::DebuggerTrace trace;
    vorlane::win32::SystemFiles files(trace);
    SetEvent(InheritedHandle(argv[3]));
    if (WaitForSingleObject(InheritedHandle(argv[4]), kGoWithinMs) != WAIT_OBJECT_0) {
        return 3;
    }
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
