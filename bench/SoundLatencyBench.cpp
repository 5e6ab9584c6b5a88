// How soon the alarm sound plays at zero: the program's own media player, whose device runs in
// the program's sound helper (VORLANE_EXE started again), opens a sound file, as the program
// does three seconds ahead of zero, and then plays it; the clock runs from Play(), the alarm at
// zero, until the helper reports that the device plays. The opening itself (the helper started
// and the file opened) is timed as well. Measured for a 3 s WAV, a 3 s MP3 and a MIDI note
// (made here), at the first opening in a fresh process and at the later ones in the same
// process.
//
//   SoundLatencyBench.exe FIGURES_FILE VORLANE_EXE [PROCESSES] [OPENINGS]
//
// Each kind is measured in PROCESSES (5) fresh processes, alternating the kinds: this exe
// started again as
//
//   SoundLatencyBench.exe --measure SOUND_FILE OPENINGS RESULT_FILE VORLANE_EXE
//
// opens, plays, stops and closes the file OPENINGS (5) times, delivering messages as the
// program's loop does, and writes one line per opening: milliseconds the opening took and from
// the play to playing, or "error" and the device's text. The figures go into FIGURES_FILE
// (BenchSupport.h).
#include "BenchMain.h"
#include "BenchSupport.h"
#include "platform/win32/HelperProcessMediaPlayer.h"
#include "tests/support/SoundFiles.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vorlane::bench {
namespace {

// Longer than any sound device takes to start: a device that does not play by then is
// reported as not playing.
constexpr double kPlayTimeoutMs = 5000.0;

struct SoundKind {
    const char* key;
    const char* label;
    const wchar_t* fileName;
    testsupport::Bytes (*make)();
};

const SoundKind kKinds[] = {
    {"wav", "WAV 3 s", L"Alarm.wav", [] { return testsupport::WaveSound(3.0); }},
    {"mp3", "MP3 3 s", L"Alarm.mp3", [] { return testsupport::Mp3Silence(3.0); }},
    {"midi", "MIDI note", L"Alarm.mid", [] { return testsupport::MidiNote(); }},
};

void DeliverMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Delivers messages for the given time, so that the device's notifications are handled and
// its threads wind down before the next opening.
void DeliverMessagesFor(double milliseconds) {
    const double end = NowMs() + milliseconds;
    while (NowMs() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        DeliverMessages();
    }
}

// The child: opens and plays the sound file again and again.
int Measure(const std::wstring& soundFile, int openings, const std::wstring& resultFile,
            const std::wstring& vorlaneExe) {
    std::ofstream result(resultFile.c_str(), std::ios::binary | std::ios::trunc);
    win32::HelperProcessMediaPlayer player(GetModuleHandleW(nullptr), DeliverMessages, vorlaneExe);
    player.SetFileName(Narrow(soundFile));
    for (int i = 0; i < openings; ++i) {
        double openedMs = -1;
        double playingMs = -1;
        try {
            const double opening = NowMs();
            player.Open();
            openedMs = NowMs() - opening;
            const double start = NowMs();
            player.Play();
            while (player.Mode() != MediaMode::Playing && NowMs() - start < kPlayTimeoutMs) {
                DeliverMessages();
                Sleep(1);
            }
            if (player.Mode() == MediaMode::Playing) {
                playingMs = NowMs() - start;
            }
        } catch (const std::exception& error) {
            result << "error " << error.what() << '\n';
            return 1;
        }
        if (playingMs < 0) {
            result << "error the device did not report playing within "
                   << static_cast<int>(kPlayTimeoutMs) << " ms\n";
            return 1;
        }
        result << openedMs << ' ' << playingMs << '\n';
        player.Stop();
        player.Close();
        DeliverMessagesFor(200);
    }
    return result ? 0 : 1;
}

struct Openings {
    std::vector<double> opened;  // to Open() returned
    std::vector<double> playing; // to the device playing
};

struct KindFigures {
    Openings first;
    Openings again;
    std::string error;
};

// Starts this exe to measure one file; false (with the reason) when it could not.
bool MeasureInFreshProcess(const std::wstring& soundFile, int openings,
                           const std::wstring& resultFile, const std::wstring& vorlaneExe,
                           KindFigures& figures) {
    DeleteFileW(resultFile.c_str());
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" --measure \"" + soundFile +
                               L"\" " + std::to_wstring(openings) + L" \"" + resultFile + L"\" \"" +
                               vorlaneExe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        figures.error = "CreateProcessW failed (" + std::to_string(GetLastError()) + ")";
        return false;
    }
    CloseHandle(info.hThread);
    if (WaitForSingleObject(info.hProcess, 120000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hProcess);
    std::ifstream result(resultFile.c_str(), std::ios::binary);
    std::string line;
    int index = 0;
    while (std::getline(result, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.rfind("error ", 0) == 0) {
            figures.error = line.substr(6);
            return false;
        }
        std::istringstream numbers(line);
        double opened = -1;
        double playing = -1;
        if (!(numbers >> opened >> playing)) {
            figures.error = "unreadable result line: " + line;
            return false;
        }
        Openings& into = index == 0 ? figures.first : figures.again;
        into.opened.push_back(opened);
        into.playing.push_back(playing);
        ++index;
    }
    if (index != openings) {
        figures.error = "the measuring process ended after " + std::to_string(index) + " of " +
                        std::to_string(openings) + " openings";
        return false;
    }
    return true;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int Run(int argc, wchar_t** argv) {
    if (argc >= 6 && std::wstring(argv[1]) == L"--measure") {
        return Measure(argv[2], std::max(1, static_cast<int>(std::wcstol(argv[3], nullptr, 10))),
                       argv[4], argv[5]);
    }
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: SoundLatencyBench FIGURES_FILE VORLANE_EXE [PROCESSES] [OPENINGS]\n");
        return 2;
    }
    auto number = [&](int index, int fallback) {
        return argc > index ? std::max(1, static_cast<int>(std::wcstol(argv[index], nullptr, 10)))
                            : fallback;
    };
    const std::wstring figuresFile = ToWindowsPath(argv[1]);
    const std::wstring vorlaneExe = ToWindowsPath(argv[2]);
    const int processes = number(3, 5);
    const int openings = std::max(2, number(4, 5));

    const std::wstring folder = testsupport::FreshTemporaryFolder(L"vorlane-sound-latency");
    const std::wstring resultFile = folder + L"result.txt";
    std::vector<KindFigures> figures(std::size(kKinds));
    for (size_t k = 0; k < std::size(kKinds); ++k) {
        if (!testsupport::WriteBytes(folder + kKinds[k].fileName, kKinds[k].make())) {
            figures[k].error = "the sound file could not be written";
        }
    }
    std::printf("Alarm sound through the program's media player and its sound helper, opened and "
                "then played: %d fresh processes per kind, %d openings in each\n",
                processes, openings);
    for (int p = 0; p < processes; ++p) {
        for (size_t k = 0; k < std::size(kKinds); ++k) {
            if (!figures[k].error.empty()) {
                continue;
            }
            MeasureInFreshProcess(folder + kKinds[k].fileName, openings, resultFile, vorlaneExe,
                                  figures[k]);
        }
    }
    std::vector<Measured> measured;
    for (size_t k = 0; k < std::size(kKinds); ++k) {
        const SoundKind& kind = kKinds[k];
        const KindFigures& kindFigures = figures[k];
        if (!kindFigures.error.empty()) {
            std::printf("  %s: %s\n", kind.label, kindFigures.error.c_str());
        }
        std::printf("  %s: first opening %s ms to open, %s ms from play to playing; later "
                    "openings %s ms to open, %s ms from play to playing (medians)\n",
                    kind.label, Figure(Median(kindFigures.first.opened)).c_str(),
                    Figure(Median(kindFigures.first.playing)).c_str(),
                    Figure(Median(kindFigures.again.opened)).c_str(),
                    Figure(Median(kindFigures.again.playing)).c_str());
        measured.push_back(
            {std::string("sound_first_open_ms_") + kind.key,
             std::string(kind.label) + ": alarm sound opened (helper started), first",
             "ms",
             kindFigures.first.opened,
             "",
             {},
             "below=3000"});
        measured.push_back({std::string("sound_first_playing_ms_") + kind.key,
                            std::string(kind.label) + ": alarm sound zero to playing, first",
                            "ms",
                            kindFigures.first.playing,
                            "",
                            {},
                            "below=100"});
        measured.push_back({std::string("sound_again_playing_ms_") + kind.key,
                            std::string(kind.label) + ": alarm sound zero to playing, again",
                            "ms",
                            kindFigures.again.playing,
                            "",
                            {},
                            "below=100"});
    }
    WriteFigures(figuresFile, measured);
    // A kind the device cannot play here is reported above; the others stand.
    for (const KindFigures& kindFigures : figures) {
        if (!kindFigures.first.playing.empty()) {
            return 0;
        }
    }
    return 1;
}

} // namespace vorlane::bench
