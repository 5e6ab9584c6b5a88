// The alarm sound against the real media control interface and the real file dialog, with
// WAV, MP3 and MIDI files the tests make: the device's modes and notifications, its error
// codes and texts, a drop built in process, and the dialog filled from another thread.
#include "Win32Fixture.h"

#include "platform/Dispatch.h"
#include "platform/win32/MciMediaPlayer.h"
#include "platform/win32/SoundHelper.h"
#include "platform/win32/Utf16.h"
#include "tests/support/FileDialogDriver.h"
#include "tests/support/SoundFiles.h"

#include <mmsystem.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace vorlane::testing {
namespace {

using testsupport::Bytes;

// The platform's own text for a device error code.
std::string PlatformErrorText(int code) {
    wchar_t text[256] = {};
    mciGetErrorStringW(static_cast<MCIERROR>(code), text, 256);
    return win32::Narrow(text);
}

class Win32Sound : public Win32Window {
protected:
    void SetUp() override {
        Win32Window::SetUp();
        folder = testsupport::FreshTemporaryFolder(L"vorlane-sound-test");
    }

    // The player the program plays through, and the device under it, which runs in a helper
    // process.
    MediaPlayer& player() { return host->Services().mediaPlayer; }
    win32::HelperProcessMediaPlayer& device() { return host->SoundDevice(); }

    // A file of the test folder with the given content; its path as the program spells it.
    std::string Make(const std::wstring& name, const Bytes& content) {
        EXPECT_TRUE(testsupport::WriteBytes(folder + name, content));
        return win32::Narrow(folder + name);
    }

    // Delivers messages until the condition holds, for at most the given time. Like the
    // program's own loop it wakes the moment a message comes, so a notification is handled
    // while the device's own thread may still be finishing the play.
    bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds) {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        while (!condition()) {
            const ULONGLONG now = GetTickCount64();
            if (now >= end) {
                return false;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now),
                                      QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                host->App().HandleMessage(message);
            }
        }
        return true;
    }

    // Whether the process with the id has ended (or never was).
    static bool ProcessEnded(DWORD id) {
        const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
        if (process == nullptr) {
            return true;
        }
        const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        CloseHandle(process);
        return ended;
    }

    // Counts the ends the player reports, in place of the form's handler.
    int CountEnds() { return CountEndsOf(player()); }
    int CountEndsOf(MediaPlayer& reporter) {
        ends = 0;
        reporter.OnPlaybackEnded = [this] { ++ends; };
        return ends;
    }

    std::wstring folder;
    int ends = 0;
};

struct SoundKind {
    const char* name;
    const wchar_t* file;
    Bytes (*make)(double seconds);
};

class EachSoundKind : public Win32Sound, public ::testing::WithParamInterface<SoundKind> {};

TEST_P(EachSoundKind, OpensPlaysPausesResumesStopsRewindsAndReportsItsEnd) {
    const std::string sound = Make(GetParam().file, GetParam().make(1.0));
    CountEnds();
    player().SetFileName(sound);
    ASSERT_NO_THROW(player().Open());
    EXPECT_EQ(player().FileName(), sound);
    EXPECT_EQ(player().Mode(), MediaMode::Stopped);

    player().Play();
    EXPECT_EQ(player().Mode(), MediaMode::Playing);
    player().Pause();
    EXPECT_EQ(player().Mode(), MediaMode::Paused);
    player().Pause();
    EXPECT_EQ(player().Mode(), MediaMode::Playing) << "a second pause resumes";
    player().Stop();
    EXPECT_EQ(player().Mode(), MediaMode::Stopped);
    player().Rewind();
    EXPECT_EQ(player().Mode(), MediaMode::Stopped);
    EXPECT_EQ(player().ErrorCode(), 0) << player().ErrorMessage();
    Pump(50);
    EXPECT_EQ(ends, 0) << "a stopped sound has not ended by itself";

    // Played to its end, the device says so once and stands still.
    player().Play();
    ASSERT_TRUE(PumpUntil([&] { return ends > 0; }, 10000)) << "no end reported";
    EXPECT_EQ(player().Mode(), MediaMode::Stopped);
    Pump(100);
    EXPECT_EQ(ends, 1);

    // Played again from its end, it starts from the start and ends again.
    player().Play();
    EXPECT_EQ(player().Mode(), MediaMode::Playing);
    ASSERT_TRUE(PumpUntil([&] { return ends > 1; }, 10000)) << "no end after playing it again";

    // Paused and played on, as the pause button does, its end still comes.
    player().Rewind();
    player().Play();
    player().Pause();
    ASSERT_EQ(player().Mode(), MediaMode::Paused);
    player().Play();
    EXPECT_EQ(player().Mode(), MediaMode::Playing);
    ASSERT_TRUE(PumpUntil([&] { return ends > 2; }, 10000)) << "no end after a pause";

    player().Close();
    EXPECT_EQ(player().Mode(), MediaMode::NoDevice);
    EXPECT_THROW(player().Play(), EMediaDeviceError);
    EXPECT_THROW(player().Rewind(), EMediaDeviceError);
    EXPECT_NO_THROW(player().Close());
}

// Where the device that plays the file stands, asked of MCI by the file's name, in the
// device's own unit; none when it does not answer.
std::optional<DWORD_PTR> DevicePosition(const std::string& file, DWORD item) {
    const MCIDEVICEID device = mciGetDeviceIDW(win32::Widen(file).c_str());
    MCI_STATUS_PARMS status{};
    status.dwItem = item;
    if (device == 0 || mciSendCommandW(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                                       reinterpret_cast<DWORD_PTR>(&status)) != 0) {
        return std::nullopt;
    }
    return status.dwReturn;
}

// A sound that has played to its end by itself is put back to its start by the next play, so
// the alarm and the play button sound it whole again; seen in the device's position, not in
// how long it plays.
TEST_F(Win32Sound, ASoundThatEndedByItselfPlaysAgainFromItsStart) {
    const std::string sound = Make(L"Glocke.wav", testsupport::WaveSound(3.0));
    win32::MciMediaPlayer mci(GetModuleHandleW(nullptr));
    CountEndsOf(mci);
    mci.SetFileName(sound);
    ASSERT_NO_THROW(mci.Open());
    const std::optional<DWORD_PTR> length = DevicePosition(sound, MCI_STATUS_LENGTH);
    ASSERT_TRUE(length.has_value() && *length > 0) << "the device tells no length";

    mci.Play();
    ASSERT_TRUE(PumpUntil([&] { return ends > 0; }, 15000)) << "no end reported";
    // Some devices stand on their last frame after the end rather than at the length, as if
    // a little were left to play: the end they reported still puts them back to the start.
    const MCIDEVICEID id = mciGetDeviceIDW(win32::Widen(sound).c_str());
    MCI_SEEK_PARMS lastFrame{};
    lastFrame.dwTo = static_cast<DWORD>(*length - 1);
    ASSERT_EQ(
        mciSendCommandW(id, MCI_SEEK, MCI_TO | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&lastFrame)),
        0u);
    mci.Play();
    const std::optional<DWORD_PTR> position = DevicePosition(sound, MCI_STATUS_POSITION);
    ASSERT_TRUE(position.has_value());
    EXPECT_LT(*position, *length / 2) << "played again from " << *position << " of " << *length;
    EXPECT_TRUE(PumpUntil([&] { return ends > 1; }, 15000)) << "no end after playing it again";
    mci.Close();
}

// A success notice that reaches the player while its sound still plays mid-way (one left
// over from an earlier play) is no end; the real end, with the device at its length, is.
TEST_F(Win32Sound, ASuccessNoticeMidWayIsNoEndButTheRealEndIs) {
    const std::string sound = Make(L"Gong.mp3", testsupport::Mp3Silence(3.0));
    win32::MciMediaPlayer mci(GetModuleHandleW(nullptr));
    CountEndsOf(mci);
    mci.SetFileName(sound);
    ASSERT_NO_THROW(mci.Open());
    const HWND notices = FindWindowExW(HWND_MESSAGE, nullptr, L"TVorlaneMediaNotify", nullptr);
    ASSERT_NE(notices, nullptr);
    const MCIDEVICEID id = mciGetDeviceIDW(win32::Widen(sound).c_str());
    mci.Play();
    ASSERT_TRUE(PumpUntil([&] { return DevicePosition(sound, MCI_STATUS_POSITION) > 0u; }, 5000));
    for (const LPARAM named : {LPARAM{0}, static_cast<LPARAM>(id)}) {
        PostMessageW(notices, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, named);
    }
    Pump(100);
    EXPECT_EQ(ends, 0) << "an end reported mid-way";
    EXPECT_EQ(mci.Mode(), MediaMode::Playing);
    EXPECT_TRUE(PumpUntil([&] { return ends > 0; }, 15000)) << "no end reported";
    mci.Close();
}

INSTANTIATE_TEST_SUITE_P(Win32Sound, EachSoundKind,
                         ::testing::Values(SoundKind{"Wav", L"Glocke.wav", testsupport::WaveSound},
                                           SoundKind{"Mp3", L"Gong.mp3", testsupport::Mp3Silence}),
                         [](const auto& kind) { return std::string(kind.param.name); });

// The number the program shows after "ErrorCode: " is the device's own.
TEST_F(Win32Sound, AFileTheDeviceCannotOpenFailsWithItsOwnCodeAndText) {
    const Bytes text = {'E', 'i', 'n', 'k', 'a', 'u', 'f', '\r', '\n'};
    const struct {
        const wchar_t* name;
        std::optional<int> code;
    } cases[] = {
        {L"Liste.mp3", std::nullopt},
        {L"Notiz.xyz", MCIERR_EXTENSION_NOT_FOUND},
    };
    for (const auto& c : cases) {
        const std::string path = Make(c.name, text);
        SCOPED_TRACE(path);
        player().SetFileName(path);
        try {
            player().Open();
            ADD_FAILURE() << "opened";
        } catch (const EMediaDeviceError& error) {
            const int code = player().ErrorCode();
            RecordProperty(win32::Narrow(c.name), code);
            EXPECT_NE(code, 0);
            if (c.code) {
                EXPECT_EQ(code, *c.code);
            }
            EXPECT_EQ(player().ErrorMessage(), PlatformErrorText(code));
            EXPECT_FALSE(player().ErrorMessage().empty());
            EXPECT_EQ(std::string(error.what()), player().ErrorMessage());
            EXPECT_EQ(ErrorTypeName(error), "EMediaDeviceError");
        }
        EXPECT_EQ(player().Mode(), MediaMode::NoDevice);
        EXPECT_EQ(player().FileName(), path) << "the name stays for the settings";
    }
}

// Without a synthesiser a MIDI file may not sound, but it opens or fails like any other,
// and never holds up the window.
TEST_F(Win32Sound, AMidiFileOpensAndPlaysOrFailsWithTheDevicesText) {
    const std::string song = Make(L"Lied.mid", testsupport::MidiNote());
    player().SetFileName(song);
    try {
        player().Open();
    } catch (const EMediaDeviceError& error) {
        EXPECT_NE(player().ErrorCode(), 0);
        EXPECT_EQ(std::string(error.what()), PlatformErrorText(player().ErrorCode()));
        return;
    }
    player().Play();
    Pump(100);
    EXPECT_EQ(player().Mode(), MediaMode::Playing);
    player().Pause();
    EXPECT_EQ(player().Mode(), MediaMode::Paused);
    player().Stop();
    EXPECT_EQ(player().Mode(), MediaMode::Stopped);
    player().Close();
    EXPECT_EQ(player().Mode(), MediaMode::NoDevice);
}

TEST_F(Win32Sound, ADroppedSoundIsOpenedAndPlaysAgainAtZeroAfterItEnded) {
    const std::string first = Make(L"Glocke.wav", testsupport::WaveSound(3.0));
    Make(L"Gong.mp3", testsupport::Mp3Silence(1.0));
    Pump(600); // start-up, until the countdown runs
    ASSERT_TRUE(form->tmrCountdown.Enabled());

    DropOn(window, {folder + L"Glocke.wav", folder + L"Gong.mp3"});
    EXPECT_TRUE(form->sound().Loaded());
    EXPECT_EQ(player().FileName(), first) << "only the first dropped file";
    EXPECT_EQ(player().Mode(), MediaMode::Stopped);
    EXPECT_TRUE(form->settings().Changed());
    EXPECT_TRUE(form->mnuPlayMP3OrNot->Checked);
    wchar_t line[64] = {};
    GetWindowTextW(Field(kIdSecondTextLine), line, 64);
    EXPECT_STREQ(line, L" Glocke.wav");

    // The end of playback: the form lets go of the sound it played.
    Dispatch([&] { form->sound().btnPlayNormalClick(nullptr); });
    EXPECT_TRUE(form->sound().Playing());
    EXPECT_TRUE(form->btnPlay.Active.Visible());
    ASSERT_TRUE(PumpUntil([&] { return !form->sound().Playing(); }, 15000))
        << "the end was not seen";
    EXPECT_FALSE(form->btnPlay.Active.Visible());
    EXPECT_EQ(player().Mode(), MediaMode::Stopped);

    // So the alarm at zero plays it once more.
    form->countdown().SetRemainingSeconds(0);
    ASSERT_TRUE(PumpUntil([&] { return form->sound().Playing(); }, 2000)) << "silent at zero";
    EXPECT_TRUE(form->countdown().AlarmActive());
    EXPECT_TRUE(form->btnPlay.Active.Visible());
    EXPECT_TRUE(PumpUntil([&] { return !form->sound().Playing(); }, 15000));
    Dispatch([&] { form->display().btnPlusOneNormalClick(nullptr); });
}

// The program keeps no sound device open while it waits: the chosen sound is opened for the
// alarm, in a helper process, and closed again, the helper ended, once it has ended or been
// stopped.
TEST_F(Win32Sound, TheDeviceIsOpenOnlyWhileTheAlarmSoundPlays) {
    const std::string sound = Make(L"Glocke.wav", testsupport::WaveSound(1.0));
    const std::wstring wide = win32::Widen(sound);
    Pump(600); // start-up, until the countdown runs
    DropOn(window, {wide});
    ASSERT_TRUE(form->sound().Loaded());
    EXPECT_EQ(device().HelperProcessId(), 0u) << "open while the countdown runs";
    EXPECT_EQ(device().Mode(), MediaMode::NoDevice);

    form->countdown().SetRemainingSeconds(0);
    ASSERT_TRUE(PumpUntil([&] { return form->sound().Playing(); }, 2000)) << "silent at zero";
    EXPECT_EQ(device().Mode(), MediaMode::Playing);
    const DWORD helper = device().HelperProcessId();
    ASSERT_NE(helper, 0u);
    EXPECT_NE(helper, GetCurrentProcessId());
    EXPECT_EQ(mciGetDeviceIDW(wide.c_str()), 0u) << "the device is open in this process";
    ASSERT_TRUE(PumpUntil([&] { return !form->sound().Playing(); }, 15000))
        << "the end was not seen";
    EXPECT_EQ(device().HelperProcessId(), 0u) << "still open after its end";
    EXPECT_TRUE(PumpUntil([&] { return ProcessEnded(helper); }, 3000)) << "the helper lives on";

    Dispatch([&] { form->display().btnPlusOneNormalClick(nullptr); });
    Dispatch([&] { form->sound().btnPlayNormalClick(nullptr); });
    EXPECT_EQ(device().Mode(), MediaMode::Playing);
    const DWORD second = device().HelperProcessId();
    Dispatch([&] { form->sound().btnStopNormalClick(nullptr); });
    EXPECT_EQ(device().HelperProcessId(), 0u) << "still open after a stop";
    EXPECT_TRUE(PumpUntil([&] { return ProcessEnded(second); }, 3000)) << "the helper lives on";
    EXPECT_EQ(player().Mode(), MediaMode::Stopped);
}

// The dialog runs on this thread; a helper thread waits for it, reads it and fills it in.
class DialogFiller {
public:
    explicit DialogFiller(std::wstring answer) : answer_(std::move(answer)) {
        thread_ = std::thread([this] {
            const ULONGLONG end = GetTickCount64() + 10000;
            while (dialog_ == nullptr && GetTickCount64() < end) {
                Sleep(20);
                dialog_ =
                    testsupport::FindFileDialog(GetCurrentProcessId(), L"Musikdatei auswählen");
            }
            if (dialog_ == nullptr) {
                return;
            }
            // The dialog fills its boxes and its file list once it is shown.
            const ULONGLONG filled = GetTickCount64() + 3000;
            do {
                Sleep(50);
                seen_ = testsupport::ReadFileDialog(dialog_);
            } while ((seen_.fileName.empty() || seen_.listed.empty()) && GetTickCount64() < filled);
            if (answer_.empty()) {
                testsupport::CancelFileDialog(dialog_);
            } else {
                testsupport::ConfirmFileDialog(dialog_, answer_);
            }
        });
    }
    ~DialogFiller() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    // Waits for the helper; what it saw of the dialog, if it found one.
    std::optional<testsupport::FileDialogSeen> Seen() {
        if (thread_.joinable()) {
            thread_.join();
        }
        if (dialog_ == nullptr) {
            return std::nullopt;
        }
        return seen_;
    }

private:
    std::wstring answer_;
    HWND dialog_ = nullptr;
    testsupport::FileDialogSeen seen_;
    std::thread thread_;
};

TEST_F(Win32Sound, TheDialogAsksForAMultimediaFileAndTheChosenOneIsOpened) {
    // While no sound is open the dialog starts in the settings folder: the files are made
    // there for this test, and taken away again.
    const std::wstring settingsFolder = win32::Widen(form->settings().ConfigDir());
    const std::vector<std::wstring> names{L"Glocke.wav", L"Gong.mid", L"Notiz.txt"};
    struct RemovedAtEnd {
        const std::wstring& folder;
        const std::vector<std::wstring>& names;
        ~RemovedAtEnd() {
            for (const std::wstring& name : names) {
                DeleteFileW((folder + name).c_str());
            }
        }
    } removed{settingsFolder, names};
    folder = settingsFolder;
    const std::string sound = Make(L"Glocke.wav", testsupport::WaveSound(1.0));
    // MIDI files mostly end in .mid; a file of another kind is listed only when asked for.
    Make(L"Gong.mid", testsupport::MidiNote());
    Make(L"Notiz.txt", Bytes{'-'});
    DialogFiller filler(folder + L"Glocke.wav");
    // The countdown runs, as it does once the program has started; the dialog leaves it on.
    form->countdown().SetRemainingSeconds(600);
    form->tmrCountdown.SetEnabled(true);
    Dispatch([&] { form->sound().btnOpenMP3NormalClick(nullptr); });
    const auto seen = filler.Seen();
    ASSERT_TRUE(seen.has_value()) << "no dialog";
    EXPECT_EQ(seen->fileNameLabel, L"Dateiname:");
    EXPECT_EQ(seen->fileName, L"*.wav;*.mid;*.midi;*.avi;*.mp3");
    EXPECT_EQ(seen->fileType, L"Multimedia-Dateien");
    EXPECT_EQ(seen->fileTypes,
              (std::vector<std::wstring>{L"Multimedia-Dateien", L"Alle Dateien (*.*)"}));
    EXPECT_EQ(seen->listed, (std::vector<std::wstring>{L"Glocke.wav", L"Gong.mid"}));
    EXPECT_EQ(seen->lookIn, L"Vorlane") << "the settings folder while no sound is open";
    EXPECT_EQ(seen->owner, window);

    EXPECT_EQ(player().FileName(), sound);
    EXPECT_EQ(player().Mode(), MediaMode::Stopped);
    EXPECT_TRUE(form->mnuPlayMP3OrNot->Checked);
    EXPECT_TRUE(form->tmrCountdown.Enabled());
    EXPECT_FALSE(form->btnOpenMP3.Active.Visible());
}

TEST_F(Win32Sound, ACancelledDialogAnswersNothing) {
    DialogFiller filler(L"");
    OpenDialogSettings settings;
    settings.title = "Musikdatei auswählen";
    settings.filters = {{"Multimedia-Dateien", "*.wav;*.mid;*.midi;*.avi;*.mp3"}};
    std::optional<std::string> chosen = "unchanged";
    Dispatch([&] { chosen = host->Services().fileDialog.Open(settings); });
    EXPECT_TRUE(filler.Seen().has_value());
    EXPECT_FALSE(chosen.has_value());
}

// A sound deep in folders, its path longer than the classic limit of 260 characters: found,
// opened by its short name and played like any other; where even the short name is too long,
// the error says so instead of claiming the file cannot be found.
TEST_F(Win32Sound, ASoundWhosePathIsLongerThanTheClassicLimitOpensOrIsSaidToBeTooLong) {
    const struct {
        int levels;
        bool opens;
    } cases[] = {{8, true}, {30, false}};
    for (const auto& c : cases) {
        std::wstring deep = folder + std::to_wstring(c.levels) + L"\\";
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr)) << GetLastError();
        for (int level = 0; level < c.levels; ++level) {
            deep += L"Ein recht langer Ordnername f\u00fcr Kl\u00e4nge\\";
            ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr)) << GetLastError();
        }
        const std::wstring file = deep + L"Glocke.wav";
        ASSERT_TRUE(testsupport::WriteBytes(L"\\\\?\\" + file, testsupport::WaveSound(1.0)));
        const std::string sound = win32::Narrow(file);
        SCOPED_TRACE(std::to_string(file.size()) + " characters");
        ASSERT_GT(file.size(), static_cast<std::size_t>(MAX_PATH));

        EXPECT_TRUE(host->Services().files.FileExists(sound));
        CountEnds();
        player().SetFileName(sound);
        if (c.opens) {
            ASSERT_NO_THROW(player().Open()) << player().ErrorMessage();
            EXPECT_EQ(player().FileName(), sound) << "the settings keep the path as chosen";
            player().Play();
            EXPECT_TRUE(PumpUntil([&] { return ends > 0; }, 10000)) << "no end reported";
            player().Close();
        } else {
            try {
                player().Open();
                ADD_FAILURE() << "opened";
            } catch (const EMediaDeviceError& error) {
                EXPECT_NE(std::string(error.what()).find("zu lang"), std::string::npos)
                    << error.what();
                EXPECT_EQ(player().ErrorMessage(), error.what());
            }
            EXPECT_EQ(player().Mode(), MediaMode::NoDevice);
        }
    }
}

// Only the very command line the player starts its helper with makes the exe the helper; any
// other goes to the program, whose own rules ignore what does not fit.
TEST(SoundHelperCall, OnlyTheHelpersOwnCommandLineMakesTheHelper) {
    const struct {
        std::vector<std::wstring> arguments;
        bool helper;
    } cases[] = {
        {{L"Vorlane.exe", L"--vorlane-sound-device", L"4242", L"17", L"C:\\a.wav"}, true},
        {{L"Vorlane.exe", L"--vorlane-sound-device", L"4242", L"17"}, false},
        {{L"Vorlane.exe", L"--vorlane-sound-device", L"4242", L"17", L"C:\\a.wav", L"-t5"}, false},
        {{L"Vorlane.exe", L"--vorlane-sound-device", L"0x42", L"17", L"C:\\a.wav"}, false},
        {{L"Vorlane.exe", L"--vorlane-sound-device", L"4242", L"-t5", L"C:\\a.wav"}, false},
        {{L"Vorlane.exe", L"--vorlane-sound-device", L"4242", L"17", L""}, false},
        {{L"Vorlane.exe", L"-t5", L"4242", L"17", L"C:\\a.wav"}, false},
        {{L"Vorlane.exe"}, false},
    };
    for (const auto& c : cases) {
        std::vector<wchar_t*> argv;
        std::vector<std::wstring> copies = c.arguments;
        for (std::wstring& argument : copies) {
            argv.push_back(argument.data());
        }
        EXPECT_EQ(win32::IsSoundHelperCall(static_cast<int>(argv.size()), argv.data()), c.helper)
            << win32::Narrow(copies.size() > 1 ? copies[1] : copies[0]) << ", " << copies.size()
            << " arguments";
        if (!c.helper) {
            EXPECT_EQ(win32::RunSoundHelper(GetModuleHandleW(nullptr),
                                            static_cast<int>(argv.size()), argv.data()),
                      2);
        }
    }
}

TEST_F(Win32Sound, OnlyExistingFilesCountAsFiles) {
    const std::string sound = Make(L"Glocke.wav", testsupport::WaveSound(0.1));
    Files& files = host->Services().files;
    EXPECT_TRUE(files.FileExists(sound));
    EXPECT_FALSE(files.FileExists(win32::Narrow(folder)));
    EXPECT_FALSE(files.FileExists(win32::Narrow(folder + L"Weg.wav")));
    EXPECT_FALSE(files.FileExists(""));
}

} // namespace
} // namespace vorlane::testing
