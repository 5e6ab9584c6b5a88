// The files service against real files and folders, and a first start of the real window
// that makes the user's settings folder.
#include "Win32Fixture.h"

#include "core/SettingsFile.h"
#include "platform/Errors.h"
#include "platform/win32/DebuggerTrace.h"
#include "platform/win32/SystemFiles.h"
#include "platform/win32/Utf16.h"
#include "tests/support/WineHost.h"

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

namespace fs = std::filesystem;
using win32::Narrow;
using win32::SystemFiles;

std::string BytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

bool ReadOnly(const fs::path& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::vector<std::wstring> NamesIn(const fs::path& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().wstring());
    }
    return names;
}

// A folder of its own under the temporary folder, with the umlaut of a German user's name,
// removed afterwards with whatever a test left in it.
class SystemFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temporary[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temporary);
        folder = fs::path(temporary) /
                 (L"Vorlane Tests \u00e4 " + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        settings = folder / L"Vorlane.ini";
    }
    void TearDown() override {
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        fs::remove_all(folder);
    }
    static std::string U8(const fs::path& path) { return Narrow(path.wstring()); }

    win32::DebuggerTrace trace;
    SystemFiles files{trace};
    fs::path folder;
    fs::path settings;
};

TEST_F(SystemFilesTest, WritesTheMarkAndTheLinesByteForByte) {
    files.WriteReplacing(U8(settings),
                         FormatSettingsFile("C:\\Kl\xC3\xA4nge\\gong.mp3", {874, -21}));
    EXPECT_EQ(BytesOf(settings), "\xEF\xBB\xBF"
                                 "C:\\Kl\xC3\xA4nge\\gong.mp3\r\n874\r\n-21\r\n");
    EXPECT_EQ(NamesIn(folder), std::vector<std::wstring>{L"Vorlane.ini"}) << "no copy left over";
    EXPECT_FALSE(ReadOnly(settings));
}

TEST_F(SystemFilesTest, AReadOnlyFileIsReplacedByAnOrdinaryOne) {
    Put(settings, "old");
    ASSERT_TRUE(SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY));
    files.WriteReplacing(U8(settings), "new");
    EXPECT_EQ(BytesOf(settings), "new");
    EXPECT_FALSE(ReadOnly(settings));
}

TEST_F(SystemFilesTest, AFailedReplaceLeavesTheOldFileAsItWas) {
    const struct {
        const char* name;
        bool readOnly;
    } cases[] = {{"ordinary", false}, {"read-only", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
        Put(settings, "old");
        if (c.readOnly) {
            SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        {
            // Another program holds the file open and lets nobody else in.
            HANDLE held = CreateFileW(settings.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
            try {
                files.WriteReplacing(U8(settings), "new");
                ADD_FAILURE() << "the write went through a held file";
            } catch (const EFileError& error) {
                EXPECT_NE(std::string(error.what()).find(U8(settings)), std::string::npos)
                    << error.what();
            }
            CloseHandle(held);
        }
        EXPECT_EQ(BytesOf(settings), "old");
        EXPECT_EQ(ReadOnly(settings), c.readOnly);
        EXPECT_EQ(NamesIn(folder), std::vector<std::wstring>{L"Vorlane.ini"});
    }
}

// A copy left over by an earlier write, read-only at that, is neither used nor touched, and a
// write that fails names the settings file, the one the user knows.
TEST_F(SystemFilesTest, ALeftoverTemporaryFileIsLeftAloneAndErrorsNameTheSettingsFile) {
    const fs::path leftover = folder / L"Vorlane.ini.tmp";
    Put(leftover, "left over");
    ASSERT_TRUE(SetFileAttributesW(leftover.c_str(), FILE_ATTRIBUTE_READONLY));
    files.WriteReplacing(U8(settings), "new");
    EXPECT_EQ(BytesOf(settings), "new");
    EXPECT_FALSE(ReadOnly(settings));
    EXPECT_EQ(BytesOf(leftover), "left over");
    EXPECT_EQ(NamesIn(folder), (std::vector<std::wstring>{L"Vorlane.ini", L"Vorlane.ini.tmp"}));

    const fs::path missing = folder / L"Fehlt" / L"Vorlane.ini";
    try {
        files.WriteReplacing(U8(missing), "new");
        ADD_FAILURE() << "written into a folder that is not there";
    } catch (const EFileError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Die Datei \"" + U8(missing) + "\" ", 0), 0u)
            << error.what();
    }
}

TEST_F(SystemFilesTest, AFolderOfTheFilesNameIsNotReplaced) {
    fs::create_directory(settings);
    EXPECT_THROW(files.WriteReplacing(U8(settings), "new"), EFileError);
    EXPECT_TRUE(fs::is_directory(settings));
    EXPECT_FALSE(files.FileExists(U8(settings)));
    EXPECT_TRUE(files.FolderExists(U8(settings)));
    EXPECT_THROW(files.Read(U8(settings), 10), EFileError);
}

TEST_F(SystemFilesTest, ReadingStopsAtTheLimitAndLetsOthersReadButNotWrite) {
    Put(settings, "0123456789");
    EXPECT_EQ(files.Read(U8(settings), 4), "0123");
    EXPECT_EQ(files.Read(U8(settings), 100), "0123456789");
    HANDLE reader = CreateFileW(settings.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(files.Read(U8(settings), 100), "0123456789");
    CloseHandle(reader);
    HANDLE writer = CreateFileW(settings.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_THROW(files.Read(U8(settings), 100), EFileError);
    CloseHandle(writer);
    EXPECT_THROW(files.Read(U8(folder / L"missing.ini"), 100), EFileError);
}

TEST_F(SystemFilesTest, FoldersAreMadeLevelByLevel) {
    const fs::path deep = folder / L"Roaming" / L"Vorlane";
    files.CreateFolders(U8(deep) + "\\");
    EXPECT_TRUE(files.FolderExists(U8(folder / L"Roaming")));
    EXPECT_TRUE(files.FolderExists(U8(deep)));
    files.CreateFolders(U8(deep)); // already there
    EXPECT_THROW(files.CreateFolders(U8(folder / L"a|b")), EFileError);
    // A drive letter that names no drive.
    const DWORD drives = GetLogicalDrives();
    for (int letter = 25; letter >= 3; --letter) {
        if ((drives & (1u << letter)) == 0) {
            const std::string path =
                std::string(1, static_cast<char>('A' + letter)) + ":\\Vorlane\\";
            EXPECT_THROW(files.CreateFolders(path), EFileError) << path;
            break;
        }
    }
}

TEST_F(SystemFilesTest, RenamingKeepsAnExistingFileOfTheNewName) {
    Put(folder / L"Quenby.ini", "former");
    Put(folder / L"taken.ini", "taken");
    EXPECT_FALSE(files.Rename(U8(folder / L"Quenby.ini"), U8(folder / L"taken.ini")));
    EXPECT_EQ(BytesOf(folder / L"taken.ini"), "taken");
    EXPECT_TRUE(files.Rename(U8(folder / L"Quenby.ini"), U8(folder / L"~deprecated~Quenby.ini")));
    EXPECT_EQ(BytesOf(folder / L"~deprecated~Quenby.ini"), "former");
    EXPECT_FALSE(files.FileExists(U8(folder / L"Quenby.ini")));
}

// A held file: no other opening gets it, not even this process's; let go, it is gone, and a
// leftover that nobody holds (the power went) is taken again.
TEST_F(SystemFilesTest, AHeldFileIsHeldUntilLetGoAndThenGone) {
    const fs::path lock = folder / L"Countdown-0badf00d.lock";
    std::unique_ptr<Files::Hold> held = files.HoldOpen(U8(lock));
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(fs::exists(lock));
    EXPECT_EQ(files.HoldOpen(U8(lock)), nullptr);
    EXPECT_THROW(files.Read(U8(lock), 10), EFileError);
    held.reset();
    EXPECT_FALSE(fs::exists(lock));
    Put(lock, "");
    held = files.HoldOpen(U8(lock));
    EXPECT_NE(held, nullptr);
    held.reset();
    EXPECT_FALSE(fs::exists(lock));
    EXPECT_THROW(files.HoldOpen(U8(folder / L"missing" / L"x.lock")), EFileError);
}

TEST_F(SystemFilesTest, FileNamesBeginningAndEndingSoInTheOrderOfTheirNames) {
    for (const wchar_t* name : {L"Countdown-b.txt", L"Countdown-a.txt", L"Countdown-a.lock",
                                L"Countdown-c.txt.1234abcd.tmp", L"Vorlane.ini", L"countdow.txt"}) {
        Put(folder / name, "");
    }
    fs::create_directories(folder / L"Countdown-d.txt");
    EXPECT_EQ(files.FileNamesIn(U8(folder), "Countdown-", ".txt"),
              (std::vector<std::string>{"Countdown-a.txt", "Countdown-b.txt"}));
    EXPECT_EQ(files.FileNamesIn(U8(folder) + "\\", "Countdown-", ".lock"),
              std::vector<std::string>{"Countdown-a.lock"});
    EXPECT_EQ(files.FileNamesIn(U8(folder / L"missing"), "Countdown-", ".txt"),
              std::vector<std::string>{});
}

TEST_F(SystemFilesTest, TheProgramsAndTheUsersFolders) {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_EQ(files.ProgramFolder(), U8(fs::path(program).parent_path()) + "\\");
    wchar_t appData[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData), S_OK);
    EXPECT_EQ(files.AppDataFolder(), Narrow(appData));
    // The shell's answer, whatever APPDATA in the environment says.
    wchar_t fromEnvironment[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"APPDATA", fromEnvironment, MAX_PATH), 0U);
    const std::wstring elsewhere = folder.wstring();
    for (const wchar_t* other :
         {static_cast<const wchar_t*>(nullptr), L"Roaming", elsewhere.c_str()}) {
        SetEnvironmentVariableW(L"APPDATA", other);
        EXPECT_EQ(files.AppDataFolder(), Narrow(appData))
            << "APPDATA " << (other == nullptr ? "missing" : Narrow(other));
    }
    SetEnvironmentVariableW(L"APPDATA", fromEnvironment);
    // Local paths have no universal form; a path from the root takes the current drive.
    EXPECT_EQ(files.AbsoluteUniversal(U8(folder) + "\\Vorlane\\"), U8(folder) + "\\Vorlane\\");
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(files.AbsoluteUniversal("\\Vorlane\\"),
              Narrow(std::wstring(current, 2)) + "\\Vorlane\\");
}

TEST_F(SystemFilesTest, TextWithoutAMarkIsReadInTheAnsiCodePage) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the ANSI code page here is " << GetACP();
    }
    EXPECT_EQ(files.AnsiToUtf8("C:\\Kl\xE4nge\x80"), "C:\\Kl\xC3\xA4nge\xE2\x82\xAC");
}

// The real window on its first start: no settings folder yet.
class FirstStart : public Win32Window {
protected:
    void SetUp() override {
        if (!testsupport::RunningUnderWine()) {
            GTEST_SKIP() << "removes the user's settings folder: only in a Wine prefix";
        }
        wchar_t appData[MAX_PATH] = {};
        SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
        userFolder = fs::path(appData) / L"Vorlane";
        fs::remove_all(userFolder);
        Win32Window::SetUp();
    }
    fs::path userFolder;
};

TEST_F(FirstStart, MakesTheUserFolderWritesThePlaceAndWorksThere) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(fs::is_directory(userFolder));
    RECT bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(BytesOf(userFolder / L"Vorlane.ini"), "\xEF\xBB\xBF\r\n" +
                                                        std::to_string(bounds.left) + "\r\n" +
                                                        std::to_string(bounds.top) + "\r\n");
    if (GetSystemMetrics(SM_CXSCREEN) == 1920 && GetSystemMetrics(SM_CYSCREEN) == 1080) {
        EXPECT_EQ(bounds.left, 1234);
        EXPECT_EQ(bounds.top, 421);
    }
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(fs::path(current), userFolder);
    EXPECT_EQ(form->settings().ConfigDir(), Narrow(userFolder.wstring()) + "\\");
}

} // namespace
} // namespace vorlane::testing
