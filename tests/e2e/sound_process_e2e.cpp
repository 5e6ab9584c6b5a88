// End-to-end tests of the alarm sound's own process, seen from outside: the program hands the
// sound to a helper it starts (its own exe again), so its own process loads none of the media
// stack, a file that makes the decoder hang does not stop the display, and a helper that dies
// while the alarm plays is one error box while the alarm blinks on. The sound is named in the
// settings file before the start, so only under Wine, whose prefix the session throws away.
#include "driver.h"

#include "tests/support/FileDialogDriver.h"
#include "tests/support/SoundFiles.h"
#include "tests/support/WineHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/ControlIds.h"
#include "platform/MediaPlayer.h"

namespace vorlane::e2e {
namespace {

constexpr milliseconds kStartTimeout(10000);
constexpr POINT kOnPlusOne{132, 205};
constexpr POINT kOnOpen{85, 134};
constexpr wchar_t kDialogCaption[] = L"Musikdatei auswählen";

// What opens, decodes or plays a sound file under Wine: the modules the program loaded beyond
// its own when it played its sounds itself, measured with a WAV, an MP3 and a MIDI file at the
// alarm: the media control interface and its drivers, the DirectShow graph with its GStreamer
// decoder, the audio compression manager, and the audio drivers with the device enumeration
// behind them.
const std::set<std::wstring> kMediaModules = {
    L"winmm.dll",         L"mciwave.dll", L"mciqtz32.dll", L"mciseq.dll",
    L"quartz.dll",        L"devenum.dll", L"msdmo.dll",    L"dsound.dll",
    L"winegstreamer.dll", L"msvfw32.dll", L"avicap32.dll", L"msacm32.dll",
    L"msacm32.drv",       L"midimap.dll", L"mmdevapi.dll", L"winealsa.drv",
};

std::vector<std::wstring> MediaModulesOf(DWORD pid) {
    std::vector<std::wstring> found;
    for (const std::wstring& name : ModuleNamesOf(pid)) {
        if (kMediaModules.contains(name)) {
            found.push_back(name);
        }
    }
    return found;
}

std::string Listed(const std::vector<std::wstring>& names) {
    std::string text;
    for (const std::wstring& name : names) {
        text += (text.empty() ? "" : ", ") + Narrow(name);
    }
    return text.empty() ? "none" : text;
}

bool Has(const std::vector<std::wstring>& names, const std::wstring& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Bytes nobody could decode: a fixed-seed xorshift stream.
testsupport::Bytes Noise(std::size_t count) {
    testsupport::Bytes bytes(count);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (std::uint8_t& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        byte = static_cast<std::uint8_t>(state >> 32);
    }
    return bytes;
}

class SoundProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::RunningUnderWine()) {
            GTEST_SKIP() << "the sound is named by writing the user's settings file before the "
                            "start: only under Wine, whose prefix the test session throws away";
        }
        folder_ = testsupport::FreshTemporaryFolder(L"vorlane-e2e-sound-process");
    }

    // Starts the program with the settings naming the sound file, made of `content`.
    HWND StartWith(const std::wstring& name, const testsupport::Bytes& content,
                   const std::wstring& args) {
        const std::wstring sound = folder_ + name;
        EXPECT_TRUE(testsupport::WriteBytes(sound, content));
        std::filesystem::create_directories(UserSettingsFile().parent_path());
        const std::string settings = "\xEF\xBB\xBF" + Narrow(sound) + "\r\n1234\r\n421\r\n";
        EXPECT_TRUE(testsupport::WriteBytes(UserSettingsFile(),
                                            testsupport::Bytes(settings.begin(), settings.end())));
        app_.emplace(args, Settings::Kept);
        EXPECT_TRUE(app_->Started()) << Narrow(app_->StartError());
        HWND main = app_->Started() ? app_->WaitForMainWindow(kStartTimeout) : nullptr;
        EXPECT_NE(main, nullptr);
        return main;
    }

    // A process the program started that has `module` loaded, within the time; 0 when none.
    DWORD HelperWith(const std::wstring& module, milliseconds timeout) {
        DWORD found = 0;
        WaitUntil(
            [&] {
                for (DWORD child : ChildProcessesOf(app_->Pid())) {
                    if (Has(ModuleNamesOf(child), module)) {
                        found = child;
                        return true;
                    }
                }
                return false;
            },
            timeout, milliseconds(50));
        return found;
    }

    HWND Box(milliseconds timeout) {
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindVisibleWindowOf(app_->Pid(), L"#32770")) != nullptr; },
                  timeout);
        return box;
    }

    // The display's looks seen over a while, sampled every 20 ms.
    std::set<Look> LooksOver(HWND main, milliseconds time) {
        std::set<Look> seen;
        const auto end = Clock::now() + time;
        while (Clock::now() < end) {
            seen.insert(DisplayLook(main));
            Sleep(20);
        }
        return seen;
    }

    std::optional<VorlaneProcess> app_;
    std::wstring folder_;
};

struct SoundKind {
    const char* name;
    const wchar_t* file;
    testsupport::Bytes (*make)();
    // The media control interface's driver for the kind, loaded by whatever opens the file.
    const wchar_t* driver;
};

void PrintTo(const SoundKind& kind, std::ostream* out) {
    *out << kind.name;
}

class EachKindAtZero : public SoundProcessTest, public ::testing::WithParamInterface<SoundKind> {};

TEST_P(EachKindAtZero, PlaysInAHelperAndTheProgramLoadsNoMediaModule) {
    HWND main = StartWith(GetParam().file, GetParam().make(), L"-t0");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(main); }, milliseconds(3000))) << "no alarm";
    // The check at the start has let go of its helper by now; the alarm's plays on.
    Sleep(1500);
    const DWORD helper = HelperWith(GetParam().driver, milliseconds(3000));
    ASSERT_NE(helper, 0u) << "no helper of the program holds the sound's device; its processes: "
                          << ChildProcessesOf(app_->Pid()).size();
    EXPECT_EQ(Box(milliseconds(300)), nullptr)
        << "a box came up: " << BoxText(Box(milliseconds(0)));
    EXPECT_EQ(MediaModulesOf(app_->Pid()), std::vector<std::wstring>{})
        << "loaded by the program while the alarm plays: " << Listed(MediaModulesOf(app_->Pid()));

    // +1 ends the alarm and the sound: the helper goes, and the program has loaded nothing since.
    ClickAt(main, kOnPlusOne);
    EXPECT_TRUE(
        WaitUntil([&] { return ChildProcessesOf(app_->Pid()).empty(); }, milliseconds(4000)))
        << "the helper lives on after the sound was stopped";
    EXPECT_EQ(MediaModulesOf(app_->Pid()), std::vector<std::wstring>{})
        << "loaded by the program after the alarm: " << Listed(MediaModulesOf(app_->Pid()));
    EXPECT_FALSE(app_->HasExited());
}

INSTANTIATE_TEST_SUITE_P(
    SoundProcessTest, EachKindAtZero,
    ::testing::Values(SoundKind{"Wav", L"Wecker.wav", [] { return testsupport::WaveSound(20.0); },
                                L"mciwave.dll"},
                      SoundKind{"Mp3", L"Gong.mp3", [] { return testsupport::Mp3Silence(20.0); },
                                L"mciqtz32.dll"},
                      SoundKind{"Midi", L"Lied.mid", [] { return testsupport::MidiNote(); },
                                L"mciseq.dll"}),
    [](const auto& kind) { return std::string(kind.param.name); });

// 200 MB of noise named as an MP3, chosen in the file dialog while the countdown runs: its
// check runs apart, and the display counts on meanwhile, each second read from outside; a
// check that does not answer in time ends as a failed sound, with its box.
TEST_F(SoundProcessTest, AFileThatHangsItsCheckLeavesTheDisplayCounting) {
    const std::wstring noise = folder_ + L"Rauschen.mp3";
    ASSERT_TRUE(testsupport::WriteBytes(noise, Noise(200u << 20)));
    app_.emplace(L"-t30");
    ASSERT_TRUE(app_->Started()) << Narrow(app_->StartError());
    HWND main = app_->WaitForMainWindow(kStartTimeout);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeMinutes) == L"29"; }, milliseconds(3000)))
        << "the countdown did not start";
    ClickAt(main, kOnOpen);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            return (dialog = testsupport::FindFileDialog(app_->Pid(), kDialogCaption)) != nullptr;
        },
        milliseconds(5000)))
        << "the file dialog did not open";
    WaitUntil([&] { return !testsupport::ReadFileDialog(dialog).fileName.empty(); },
              milliseconds(2000));
    ASSERT_TRUE(testsupport::ConfirmFileDialog(dialog, noise));

    std::vector<std::string> seconds;
    const auto end = Clock::now() + milliseconds(4500);
    while (Clock::now() < end) {
        const std::string shown = FieldUtf8(main, kIdTimeSeconds);
        if (seconds.empty() || seconds.back() != shown) {
            seconds.push_back(shown);
        }
        Sleep(100);
    }
    std::string seen;
    for (const std::string& second : seconds) {
        seen += second + " ";
    }
    EXPECT_EQ(std::count(seconds.begin(), seconds.end(), "?"), 0)
        << "the window did not answer: " << seen;
    EXPECT_GE(seconds.size(), 4u) << "the display stood still: " << seen;

    HWND box = Box(milliseconds(6000));
    ASSERT_NE(box, nullptr) << "the check did not end";
    EXPECT_NE(BoxText(box).find("ErrorCode:"), std::string::npos) << BoxText(box);
    EXPECT_EQ(MediaModulesOf(app_->Pid()), std::vector<std::wstring>{})
        << "loaded by the program: " << Listed(MediaModulesOf(app_->Pid()));
    EXPECT_TRUE(
        WaitUntil([&] { return ChildProcessesOf(app_->Pid()).empty(); }, milliseconds(4000)))
        << "the helper lives on after its check failed";
}

// The helper killed while the alarm plays: the box of a failed sound comes once, and the alarm
// blinks on under it and after it.
TEST_F(SoundProcessTest, AHelperKilledDuringTheAlarmGivesOneBoxAndTheAlarmBlinksOn) {
    HWND main = StartWith(L"Wecker.wav", testsupport::WaveSound(20.0), L"-t0");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsTopmost(main); }, milliseconds(3000))) << "no alarm";
    Sleep(1500);
    const DWORD helper = HelperWith(L"mciwave.dll", milliseconds(3000));
    ASSERT_NE(helper, 0u) << "no helper plays the alarm";
    const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, helper);
    ASSERT_NE(process, nullptr);
    ASSERT_TRUE(TerminateProcess(process, 9));
    WaitForSingleObject(process, 5000);
    CloseHandle(process);

    HWND box = Box(milliseconds(3000));
    ASSERT_NE(box, nullptr) << "no box for the sound that stopped";
    const std::string text = BoxText(box);
    EXPECT_NE(text.find("ErrorCode: 0"), std::string::npos) << text;
    EXPECT_NE(text.find(kMediaDeviceGone), std::string::npos) << text;
    SaveScreenshot(main, "SoundProcessTest.helper-killed", box);
    // Moved off the window, so the display's pixels show.
    SetWindowPos(box, nullptr, 900, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const std::set<Look> underTheBox = LooksOver(main, milliseconds(2000));
    EXPECT_TRUE(underTheBox.contains(Look::Alarm) && underTheBox.contains(Look::Normal))
        << "the alarm does not blink while the box is open";

    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(
        WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, milliseconds(2000)));
    const std::set<Look> after = LooksOver(main, milliseconds(2000));
    EXPECT_TRUE(after.contains(Look::Alarm) && after.contains(Look::Normal))
        << "the alarm does not blink after the box";
    EXPECT_EQ(Box(milliseconds(0)), nullptr) << "a second box: " << BoxText(Box(milliseconds(0)));
    EXPECT_FALSE(app_->HasExited());
}

} // namespace
} // namespace vorlane::e2e
