// End-to-end test of where the real Vorlane.exe keeps its settings: in the user's roaming
// application-data folder as the shell knows it, whatever the environment's APPDATA says.
#include "driver.h"

#include "tests/support/SoundFiles.h"
#include "tests/support/WineHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vorlane::e2e {
namespace {

namespace fs = std::filesystem;

constexpr milliseconds kStartTimeout(10000);

std::string BytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// The settings file for a window at this place and no sound file.
std::string SettingsAt(LONG left, LONG top) {
    return "\xEF\xBB\xBF\r\n" + std::to_string(left) + "\r\n" + std::to_string(top) + "\r\n";
}

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

// Everything inside a folder, as paths relative to it, in name order.
std::vector<std::wstring> ContentsOf(const fs::path& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        names.push_back(fs::relative(entry.path(), folder).wstring());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// APPDATA of this process, and so of every program it starts, names another folder while the
// object lives.
class OtherAppData {
public:
    explicit OtherAppData(const std::wstring& folder) : before_(testsupport::EnvW(L"APPDATA")) {
        SetEnvironmentVariableW(L"APPDATA", folder.c_str());
    }
    ~OtherAppData() {
        SetEnvironmentVariableW(L"APPDATA", before_.empty() ? nullptr : before_.c_str());
    }
    OtherAppData(const OtherAppData&) = delete;
    OtherAppData& operator=(const OtherAppData&) = delete;

private:
    std::wstring before_;
};

TEST(AppDataTest, TheSettingsAreReadAndWrittenInTheShellsFolderNotWhereAppDataPoints) {
    if (!testsupport::RunningUnderWine()) {
        GTEST_SKIP() << "a first start needs the user's settings folder removed: only under Wine";
    }
    const fs::path file = UserSettingsFile();
    const fs::path other = testsupport::FreshTemporaryFolder(L"vorlane-e2e-other-appdata");
    // A settings file where APPDATA points, as a run that trusted it would have left it.
    const fs::path otherFile = other / L"Vorlane" / L"Vorlane.ini";
    const std::string otherSettings = SettingsAt(300, 200);
    Put(otherFile, otherSettings);
    const std::vector<std::wstring> otherContents = ContentsOf(other);

    OtherAppData environment(other.wstring());
    ASSERT_EQ(UserSettingsFile(), file) << "the driver asks the shell, not the environment";
    {
        // The shell's folder is removed first: a first start, whatever lies where APPDATA points.
        VorlaneProcess first(L"-t30");
        HWND main = first.Started() ? first.WaitForMainWindow(kStartTimeout) : nullptr;
        ASSERT_NE(main, nullptr) << Narrow(first.StartError());
        const RECT placed = WindowRect(main);
        EXPECT_FALSE(placed.left == 300 && placed.top == 200)
            << "placed by the settings file where APPDATA points";
        EXPECT_EQ(BytesOf(file), SettingsAt(placed.left, placed.top))
            << "a first start writes its place at once, into the shell's folder";
        first.End();
        ASSERT_TRUE(first.HasExited());
    }
    // The next start reads the file in the shell's folder.
    Put(file, SettingsAt(500, 250));
    {
        VorlaneProcess next(L"-t30", Settings::Kept);
        HWND main = next.Started() ? next.WaitForMainWindow(kStartTimeout) : nullptr;
        ASSERT_NE(main, nullptr) << Narrow(next.StartError());
        const RECT placed = WindowRect(main);
        EXPECT_EQ(placed.left, 500);
        EXPECT_EQ(placed.top, 250);
        next.End();
        ASSERT_TRUE(next.HasExited());
    }
    EXPECT_EQ(ContentsOf(other), otherContents) << "nothing made where APPDATA points";
    EXPECT_EQ(BytesOf(otherFile), otherSettings) << "nothing written where APPDATA points";
}

} // namespace
} // namespace vorlane::e2e
