// The settings file under a process killed while it writes: a writer process replaces the file
// over and over through the program's own write and is killed at a random moment, 200 times.
// After every kill the file must be the one that was there before or one the writer wrote,
// complete; a temporary copy left beside it is allowed.
#include "core/SettingsFile.h"
#include "platform/win32/DebuggerTrace.h"
#include "platform/win32/SystemFiles.h"
#include "platform/win32/Utf16.h"
#include "tests/support/SoundFiles.h"
#include "tests/win32/KillSafeContents.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace vorlane::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 200;
// The writer is killed this many milliseconds after it starts writing, at most.
constexpr unsigned kLongestWaitMs = 40;
// Fixed, so that a failing round can be run again with the same waits.
constexpr std::uint32_t kSeed = 20261210;
constexpr DWORD kPatienceMs = 10000;
// Starting a process under Wine takes several times longer than a round's wait, so the writers
// of the next rounds start while one writes and wait for their turn.
constexpr std::size_t kWritersAhead = 4;

std::optional<std::string> BytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file in a few words, for a failure message (the files are far too long to print).
std::string Describe(const std::optional<std::string>& bytes) {
    if (!bytes) {
        return "no file";
    }
    const std::string_view all(*bytes);
    const std::string_view tail = all.substr(all.size() - std::min<std::size_t>(all.size(), 24));
    return std::to_string(all.size()) + " bytes ending \"" + std::string(tail) + "\"";
}

// The write of this round that made exactly these bytes, if one did.
std::optional<int> WriteThatMade(const std::string& bytes, int round) {
    const SettingsFileContent content =
        ParseSettingsFile(bytes, [](std::string_view text) { return std::string(text); });
    if (!content.windowPosition || content.windowPosition->left != round ||
        content.windowPosition->top < 0) {
        return std::nullopt;
    }
    const int write = content.windowPosition->top;
    if (bytes != KillSafeContent(round, write)) {
        return std::nullopt;
    }
    return write;
}

fs::path WriterBesideThisProgram() {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    return fs::path(program).parent_path() / L"SettingsWriter.exe";
}

// A writer started on the settings file for one round; it writes once told to go, until it
// is killed.
class WriterRun {
public:
    WriterRun(const fs::path& writer, const fs::path& settings, int round) {
        SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        ready_ = CreateEventW(&inheritable, TRUE, FALSE, nullptr);
        go_ = CreateEventW(&inheritable, TRUE, FALSE, nullptr);
        std::wstring commandLine = L"\"" + writer.wstring() + L"\" \"" + settings.wstring() +
                                   L"\" " + std::to_wstring(round) + L" " + Number(ready_) + L" " +
                                   Number(go_);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        running_ = CreateProcessW(writer.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                  CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process_) != FALSE;
    }
    ~WriterRun() {
        if (running_) {
            Kill();
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        CloseHandle(go_);
        CloseHandle(ready_);
    }
    WriterRun(const WriterRun&) = delete;
    WriterRun& operator=(const WriterRun&) = delete;

    bool Running() const { return running_; }
    // Waits until the writer waits for the word to go.
    bool Ready() const { return WaitForSingleObject(ready_, kPatienceMs) == WAIT_OBJECT_0; }
    void Go() { SetEvent(go_); }
    // Kills the writer and waits until it is gone; returns its exit code, which is
    // kKilledWriterExitCode unless it had stopped by itself.
    DWORD Kill() {
        TerminateProcess(process_.hProcess, kKilledWriterExitCode);
        WaitForSingleObject(process_.hProcess, kPatienceMs);
        DWORD exitCode = 0;
        GetExitCodeProcess(process_.hProcess, &exitCode);
        return exitCode;
    }

private:
    static std::wstring Number(HANDLE handle) {
        return std::to_wstring(reinterpret_cast<std::uintptr_t>(handle));
    }

    HANDLE ready_ = nullptr;
    HANDLE go_ = nullptr;
    PROCESS_INFORMATION process_{};
    bool running_ = false;
};

struct Tally {
    int unchanged = 0;
    int firstSound = 0;
    int secondSound = 0;
    int temporaryLeft = 0;
    long long writesDone = 0;
};

TEST(KillSafeSettings, AKilledWriteLeavesTheOldOrANewFileComplete) {
    const fs::path writer = WriterBesideThisProgram();
    ASSERT_TRUE(fs::exists(writer)) << writer;
    const fs::path folder = testsupport::FreshTemporaryFolder(
        L"Vorlane Kill \u00e4 " + std::to_wstring(GetCurrentProcessId()));
    const fs::path settings = folder / L"Vorlane.ini";

    // The file as a user has it before the first kill.
    win32::DebuggerTrace trace;
    win32::SystemFiles files(trace);
    std::string before = KillSafeContent(0, 0);
    files.WriteReplacing(win32::Narrow(settings.wstring()), before);
    ASSERT_TRUE(ParseSettingsFile(before, [](std::string_view text) { return std::string(text); })
                    .soundFile)
        << "the contents are too large to be read as settings";

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<unsigned> waitMs(0, kLongestWaitMs);
    Tally tally;
    std::deque<std::unique_ptr<WriterRun>> writers;
    int roundsStarted = 0;
    const auto startTime = std::chrono::steady_clock::now();
    for (int round = 1; round <= kRounds; ++round) {
        const unsigned wait = waitMs(random);
        SCOPED_TRACE("round " + std::to_string(round) + " of seed " + std::to_string(kSeed) +
                     ", killed after " + std::to_string(wait) + " ms");
        while (writers.size() < kWritersAhead && roundsStarted < kRounds) {
            writers.push_back(std::make_unique<WriterRun>(writer, settings, ++roundsStarted));
            ASSERT_TRUE(writers.back()->Running())
                << "cannot start " << writer << ": " << GetLastError();
        }
        {
            const std::unique_ptr<WriterRun> run = std::move(writers.front());
            writers.pop_front();
            ASSERT_TRUE(run->Ready()) << "the writer did not get ready";
            run->Go();
            Sleep(wait);
            ASSERT_EQ(run->Kill(), kKilledWriterExitCode) << "the writer stopped before the kill";
        }

        const std::optional<std::string> after = BytesOf(settings);
        ASSERT_TRUE(after) << "the settings file is gone";
        if (*after == before) {
            ++tally.unchanged;
        } else if (const std::optional<int> write = WriteThatMade(*after, round)) {
            ++(*write % 2 == 0 ? tally.firstSound : tally.secondSound);
            tally.writesDone += *write + 1;
        } else {
            FAIL() << "neither the old file nor a complete new one: " << Describe(after);
        }
        // A killed write may leave its temporary copy beside the file, under a fresh name each
        // time; counted and cleared, so each round shows its own.
        bool temporaryLeft = false;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == L".tmp") {
                temporaryLeft = true;
                fs::remove(entry.path());
            }
        }
        tally.temporaryLeft += temporaryLeft ? 1 : 0;
        before = *after;
    }
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - startTime).count();

    std::cout << kRounds << " rounds in " << seconds << " s: the old file kept " << tally.unchanged
              << " times, the first sound found " << tally.firstSound << " times, the second "
              << tally.secondSound << " times; a temporary copy left " << tally.temporaryLeft
              << " times; at least " << tally.writesDone << " complete writes\n";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

} // namespace
} // namespace vorlane::testing
