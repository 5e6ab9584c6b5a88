// Start-up, memory and idle cost of Vorlane.exe against its yardsticks, each started from here
// as a separate process and observed from outside, the way a user sees it.
//
//   StartupBench.exe VORLANE_EXE EMPTY_EXE FLOOR_EXE FIGURES_FILE [RUNS] [IDLE_SECONDS]
//                    [IDLE_RUNS] [POLL_MS] [SOUND_RUNS]
//
// Every start finds a settings file (written here before each start), so no start is a first
// start that opens the info dialog: the figures are the program's own.
//
// Each figure of Vorlane is measured without an alarm sound and, as users run it, with one
// named in the settings file: a 3 s WAV, a 3 s MP3 and a MIDI note, made here next to the
// settings file (SOUND_RUNS (5) of the starts with each, every idle round with each). A figure
// with a sound is set against the yardstick and against the same figure without a sound from
// the same run.
//
// Start to first paint, against the empty window: the clock runs from CreateProcessW until
// the window is visible (IsWindowVisible), until its pixels first show on the screen (half of
// the pixels the window changes differ from the desktop) and until it is drawn (97 % of those
// pixels look as they do once the window has settled). The window and the screen are read
// every POLL_MS (10) milliseconds only, so that watching does not compete with the start it
// watches; a frame counts from the moment its reading began. What "settled" looks like comes
// from one warm-up start of each program. Runs alternate between the two programs.
//
// Memory, against the empty window: private bytes 2 s after the start. Idle cost, against the
// empty window with one 300 ms timer (EMPTY_EXE ... timer [hidden]): wake-ups (voluntary
// context switches of every thread of the Wine process, from /proc) and the time those threads
// ran, over IDLE_SECONDS after those 2 s, with the window visible and with Vorlane started in
// the tray (-m) against the hidden timer window; IDLE_RUNS rounds, alternating the programs.
//
// The limits: the floor window (FLOOR_EXE: round, one common-controls edit field, a text line
// repainted each second) is what Vorlane's window cannot cost less than. In every visible idle
// round its private bytes at 2 s are set against the empty window's and its idle cost against
// the timer window's; Vorlane without a sound is set against the floor.
//
// Every measured value goes into FIGURES_FILE, one figure a line (tools/bench_report.py makes
// the table and the JSON of them):
//   key TAB label TAB unit TAB vorlane values TAB baseline TAB baseline values TAB target
// [TAB values without a sound], values separated by commas; the target is "ratio<=X",
// "nosound<=X", "below=X" or "zero" (no growth).
#include "BenchMain.h"
#include "BenchSupport.h"
#include "core/Placement.h"
#include "core/SettingsFile.h"
#include "tests/support/ScreenGrabber.h"
#include "tests/support/SoundFiles.h"
#include "tests/support/TopLevelWindows.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace vorlane::bench {
namespace {

using testsupport::FindTopLevelWindow;
using testsupport::ScreenGrabber;
using testsupport::Visibility;

constexpr double kTimeoutMs = 15000.0;
// Vorlane's window, which the empty window copies.
constexpr int kWindowWidth = 171;
constexpr int kWindowHeight = 238;

struct Target {
    std::string name;
    std::wstring exe;        // Windows path
    std::string exeFileName; // as the Unix side shows it
    std::wstring windowClass;
    std::wstring arguments;
    bool hidden = false; // never shows its window (started in the tray)
    // Vorlane: the settings file is written before each start, naming this alarm sound
    // (a Windows path; empty: none).
    bool readsSettings = false;
    std::string soundFile;
    // Learnt by the warm-up start.
    RECT rect{};
    std::vector<std::uint32_t> reference;
    std::vector<std::uint32_t> desktop;
};

bool WriteSettingsFile(const std::string& soundFile, std::string& error);

class Started {
public:
    Started(const Target& target, bool* ok) {
        std::string error;
        if (target.readsSettings && !WriteSettingsFile(target.soundFile, error)) {
            std::printf("  %s\n", error.c_str());
            *ok = false;
            return;
        }
        std::wstring commandLine = L"\"" + target.exe + L"\"";
        if (!target.arguments.empty()) {
            commandLine += L" " + target.arguments;
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        startMs = NowMs();
        *ok = CreateProcessW(target.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, nullptr, &startup, &info) != FALSE;
        if (*ok) {
            CloseHandle(info.hThread);
            process = info.hProcess;
            pid = info.dwProcessId;
        }
    }
    ~Started() { End(); }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    bool Exited() const { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

    // Closes the window as the system would (WM_CLOSE); ends the process when that fails.
    void End() {
        if (process == nullptr) {
            return;
        }
        if (!Exited()) {
            if (window != nullptr && IsWindow(window)) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) {
                TerminateProcess(process, 1);
                WaitForSingleObject(process, 5000);
            }
        }
        CloseHandle(process);
        process = nullptr;
    }

    double startMs = 0;
    HANDLE process = nullptr;
    DWORD pid = 0;
    HWND window = nullptr;
};

double FractionDiffering(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b,
                         const std::vector<size_t>& mask) {
    if (a.size() != b.size()) {
        return 1.0; // a frame that could not be read
    }
    size_t differing = 0;
    for (size_t index : mask) {
        if (a[index] != b[index]) {
            ++differing;
        }
    }
    return mask.empty() ? 0.0 : static_cast<double>(differing) / static_cast<double>(mask.size());
}

// Waits (up to 3 s) until the screen under the target's rectangle shows the desktop again.
bool ScreenClear(ScreenGrabber& grabber, const Target& target) {
    std::vector<size_t> all(target.desktop.size());
    for (size_t i = 0; i < all.size(); ++i) {
        all[i] = i;
    }
    const double end = NowMs() + 3000.0;
    while (NowMs() < end) {
        if (FractionDiffering(grabber.Grab(target.rect), target.desktop, all) < 0.01) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

struct StartRun {
    bool ok = false;
    std::string error;
    double visibleMs = -1;
    double firstPixelsMs = -1;
    double drawnMs = -1;
};

// The warm-up start: where the window appears and how it looks once settled (1 s after it
// became visible).
bool Learn(ScreenGrabber& grabber, const std::vector<std::uint32_t>& desktop, Target& target,
           std::string& error) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    bool ok = false;
    Started started(target, &ok);
    if (!ok) {
        error = "CreateProcessW failed (" + std::to_string(GetLastError()) + ")";
        return false;
    }
    double visibleAt = -1;
    while (NowMs() - started.startMs < kTimeoutMs) {
        if (started.Exited()) {
            error = "the program ended during the warm-up start";
            return false;
        }
        if (started.window == nullptr) {
            started.window =
                FindTopLevelWindow(started.pid, target.windowClass.c_str(), Visibility::Any);
        }
        if (visibleAt < 0 && started.window != nullptr && IsWindowVisible(started.window)) {
            visibleAt = NowMs();
        }
        if (visibleAt >= 0 && NowMs() - visibleAt >= 1000.0) {
            // A message box (a sound that could not be opened) would make every figure of
            // this target one of something else.
            if (FindTopLevelWindow(started.pid, L"#32770", Visibility::Shown) != nullptr) {
                error = "a message box shows";
                return false;
            }
            GetWindowRect(started.window, &target.rect);
            target.reference = grabber.Grab(target.rect);
            target.desktop.clear();
            for (LONG y = target.rect.top; y < target.rect.bottom; ++y) {
                for (LONG x = target.rect.left; x < target.rect.right; ++x) {
                    const bool inside = x >= 0 && y >= 0 && x < screen.right && y < screen.bottom;
                    target.desktop.push_back(
                        inside ? desktop[static_cast<size_t>(y * screen.right + x)] : 0);
                }
            }
            return true;
        }
        Sleep(5);
    }
    error = "no visible window of class " + Narrow(target.windowClass);
    return false;
}

StartRun TimedStart(ScreenGrabber& grabber, const Target& target, DWORD pollMs) {
    StartRun run;
    if (!ScreenClear(grabber, target)) {
        run.error = "the screen did not clear after the previous run";
        return run;
    }
    // The pixels the window changes: where its settled look differs from the desktop.
    std::vector<size_t> mask;
    for (size_t i = 0; i < target.reference.size(); ++i) {
        if (target.reference[i] != target.desktop[i]) {
            mask.push_back(i);
        }
    }
    if (mask.size() < 1000) {
        run.error = "the window hardly differs from the desktop";
        return run;
    }
    bool ok = false;
    Started started(target, &ok);
    if (!ok) {
        run.error = "CreateProcessW failed";
        return run;
    }
    while (NowMs() - started.startMs < kTimeoutMs) {
        const double now = NowMs() - started.startMs;
        if (started.window == nullptr) {
            started.window =
                FindTopLevelWindow(started.pid, target.windowClass.c_str(), Visibility::Any);
        }
        if (run.visibleMs < 0 && started.window != nullptr && IsWindowVisible(started.window)) {
            run.visibleMs = now;
        }
        // Nothing can show before the window is visible; the screen is read only from then on,
        // so that reading it does not slow the start of the program. A frame counts from the
        // moment its reading began.
        if (run.visibleMs >= 0) {
            const double seenMs = NowMs() - started.startMs;
            const std::vector<std::uint32_t> frame = grabber.Grab(target.rect);
            if (frame.size() != target.reference.size()) {
                run.error = "the screen could not be read";
                return run;
            }
            if (run.firstPixelsMs < 0 && FractionDiffering(frame, target.desktop, mask) >= 0.5) {
                run.firstPixelsMs = seenMs;
            }
            if (1.0 - FractionDiffering(frame, target.reference, mask) >= 0.97) {
                run.drawnMs = seenMs;
                break;
            }
        }
        if (started.Exited()) {
            run.error = "the program ended before it was drawn";
            return run;
        }
        Sleep(pollMs);
    }
    if (run.drawnMs < 0) {
        run.error = "not drawn within the time limit";
        return run;
    }
    RECT rect{};
    GetWindowRect(started.window, &rect);
    if (!EqualRect(&rect, &target.rect)) {
        run.error = "the window appeared somewhere else than in the warm-up start";
        return run;
    }
    run.ok = true;
    return run;
}

struct IdleFigures {
    bool ok = false;
    std::string error;
    Memory memoryAt2s;
    Memory memoryAtEnd;
    DWORD guiGdiAt2s = 0;
    DWORD guiUserAt2s = 0;
    DWORD guiGdiAtEnd = 0;
    DWORD guiUserAtEnd = 0;
    long tableGdiAt2s = -1;
    long tableGdiAtEnd = -1;
    long windowsAt2s = -1;
    long windowsAtEnd = -1;
    double cpuMs = -1;
    UnixProcess unixAt2s;
    UnixProcess unixAtEnd;
    double wineserverCpuMs = -1;
    double xserverCpuMs = -1;
};

unsigned PidFromEnvironment(const wchar_t* name) {
    const std::wstring value = EnvW(name);
    return value.empty() ? 0u : static_cast<unsigned>(std::wcstoul(value.c_str(), nullptr, 10));
}

double UnixCpuMs(unsigned pid) {
    return pid == 0 ? -1.0 : ReadUnixProcess(pid).cpuMs;
}

// One start of the target: its figures 2 s after the start, then over idleSeconds of sitting
// there (none: the memory only).
IdleFigures Idle(const Target& target, int idleSeconds) {
    IdleFigures figures;
    bool ok = false;
    Started started(target, &ok);
    if (!ok) {
        figures.error = "CreateProcessW failed";
        return figures;
    }
    while (started.window == nullptr && NowMs() - started.startMs < kTimeoutMs) {
        HWND window = FindTopLevelWindow(started.pid, target.windowClass.c_str(), Visibility::Any);
        if (window != nullptr && (target.hidden || IsWindowVisible(window))) {
            started.window = window;
        }
        Sleep(10);
    }
    if (started.window == nullptr) {
        figures.error = "no window";
        return figures;
    }
    const double at2s = started.startMs + 2000.0;
    while (NowMs() < at2s) {
        Sleep(5);
    }
    if (IsWindowVisible(started.window) == (target.hidden ? TRUE : FALSE)) {
        figures.error = target.hidden ? "the window shows" : "the window is hidden";
        return figures;
    }
    const unsigned wineserver = PidFromEnvironment(L"BENCH_WINESERVER_PID");
    const unsigned xserver = PidFromEnvironment(L"BENCH_XVFB_PID");
    const unsigned unixPid = RunningUnderWine() ? UnixPidOf(target.exeFileName) : 0;

    // Reading the memory map of another process makes Wine run a call inside it, so the
    // figures that touch the process come first, and the idle seconds are measured after them.
    figures.memoryAt2s = MemoryOf(started.process);
    figures.guiGdiAt2s = GuiGdiObjects(started.process);
    figures.guiUserAt2s = GuiUserObjects(started.process);
    figures.tableGdiAt2s = GdiTableObjects(started.process);
    figures.windowsAt2s = WindowsOf(started.pid);
    Sleep(100);

    const double idleStart = NowMs();
    const double wineserverBefore = UnixCpuMs(wineserver);
    const double xserverBefore = UnixCpuMs(xserver);
    const double cpuBefore = CpuMsOf(started.process);
    if (unixPid != 0) {
        figures.unixAt2s = ReadUnixProcess(unixPid);
    }
    while (NowMs() < idleStart + idleSeconds * 1000.0) {
        Sleep(50);
    }
    if (unixPid != 0) {
        figures.unixAtEnd = ReadUnixProcess(unixPid);
    }
    const double cpuAfter = CpuMsOf(started.process);
    const double wineserverAfter = UnixCpuMs(wineserver);
    const double xserverAfter = UnixCpuMs(xserver);
    figures.cpuMs = cpuBefore >= 0 && cpuAfter >= 0 ? cpuAfter - cpuBefore : -1;
    if (wineserverBefore >= 0 && wineserverAfter >= 0) {
        figures.wineserverCpuMs = wineserverAfter - wineserverBefore;
    }
    if (xserverBefore >= 0 && xserverAfter >= 0) {
        figures.xserverCpuMs = xserverAfter - xserverBefore;
    }
    figures.memoryAtEnd = MemoryOf(started.process);
    figures.tableGdiAtEnd = GdiTableObjects(started.process);
    figures.windowsAtEnd = WindowsOf(started.pid);
    figures.guiGdiAtEnd = GuiGdiObjects(started.process);
    figures.guiUserAtEnd = GuiUserObjects(started.process);
    if (started.Exited()) {
        figures.error = "the program ended while idle";
        return figures;
    }
    figures.ok = true;
    return figures;
}

double Kb(long kb) {
    return kb < 0 ? -1.0 : static_cast<double>(kb) / 1024.0;
}

double Diff(double after, double before) {
    return after < 0 || before < 0 ? -1.0 : after - before;
}

// The settings file a start of Vorlane reads, with the place a first start would choose, so
// that no start opens the info dialog of a first start, and the alarm sound of that start.
bool WriteSettingsFile(const std::string& soundFile, std::string& error) {
    const std::wstring appData = EnvW(L"APPDATA");
    if (appData.empty()) {
        error = "APPDATA is not set";
        return false;
    }
    const std::wstring folder = appData + L"\\Vorlane";
    CreateDirectoryW(folder.c_str(), nullptr);
    const ScreenPoint place = FirstRunPosition(
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kWindowWidth, kWindowHeight);
    std::ofstream file((folder + L"\\Vorlane.ini").c_str(), std::ios::binary | std::ios::trunc);
    file << FormatSettingsFile(soundFile, place);
    if (!file) {
        error = "cannot write " + Narrow(folder) + "\\Vorlane.ini";
        return false;
    }
    return true;
}

// Wake-ups per second and the share of one core the program's threads ran while idle.
double WakeUpsPerSecond(const IdleFigures& figures, int idleSeconds) {
    const double wakeUps = Diff(static_cast<double>(figures.unixAtEnd.wakeUps),
                                static_cast<double>(figures.unixAt2s.wakeUps));
    return wakeUps < 0 ? -1.0 : wakeUps / idleSeconds;
}

double CorePercent(const IdleFigures& figures, int idleSeconds) {
    const double ranMs = Diff(figures.unixAtEnd.cpuMs, figures.unixAt2s.cpuMs);
    return ranMs < 0 ? -1.0 : ranMs / (idleSeconds * 10.0);
}

void Keep(std::vector<double>& values, double value) {
    if (value >= 0) {
        values.push_back(value);
    }
}

// Vorlane as users run it: without an alarm sound, and with one of each kind it plays, made
// here and named in the settings file.
struct SoundVariant {
    const char* key;   // appended to the figure keys
    const char* label; // put before the figure labels
    const wchar_t* fileName;
    testsupport::Bytes (*make)();
};

constexpr int kVariants = 4; // no sound, then the three kinds
const SoundVariant kSounds[kVariants - 1] = {
    {"wav", "WAV 3 s", L"Alarm.wav", [] { return testsupport::WaveSound(3.0); }},
    {"mp3", "MP3 3 s", L"Alarm.mp3", [] { return testsupport::Mp3Silence(3.0); }},
    {"midi", "MIDI note", L"Alarm.mid", [] { return testsupport::MidiNote(); }},
};

enum Figure {
    kDrawn,
    kFirstPixels,
    kVisible,
    kPrivate,
    kRss,
    kWakeUpsVisible,
    kCpuVisible,
    kWakeUpsTray,
    kCpuTray,
    kGdiGrowth,
    kWindowGrowth,
    kFigures
};

struct FigureKind {
    const char* key;
    const char* label;
    const char* unit;
    const char* baseline;
    const char* target;
    // With a sound: start and memory against the yardsticks as without one, the idle cost
    // against the same program without a sound.
    const char* soundTarget;
};

constexpr FigureKind kFigureKinds[kFigures] = {
    {"start_drawn_ms", "start: drawn on screen (97 %)", "ms", "empty window", "ratio<=1.3",
     "ratio<=1.3"},
    {"start_first_pixels_ms", "start: first pixels on screen", "ms", "empty window", "", ""},
    {"start_visible_ms", "start: window visible", "ms", "empty window", "", ""},
    {"private_mb", "private bytes at 2 s", "MB", "empty window", "ratio<=1.5", "ratio<=1.5"},
    {"unix_rss_mb", "Unix RSS at 2 s", "MB", "empty window", "", ""},
    {"wakeups_visible", "idle wake-ups, visible", "1/s", "timer window", "ratio<=1.1",
     "nosound<=1.1"},
    {"cpu_visible", "idle CPU, visible", "% core", "timer window", "ratio<=1.2", "nosound<=1.2"},
    {"wakeups_tray", "idle wake-ups, in the tray", "1/s", "hidden timer window", "ratio<=1.1",
     "nosound<=1.1"},
    {"cpu_tray", "idle CPU, in the tray", "% core", "hidden timer window", "ratio<=1.2",
     "nosound<=1.2"},
    {"gdi_growth_idle", "GDI objects grown while idle (handle table)", "objects", "timer window",
     "zero", "zero"},
    {"window_growth_idle", "windows grown while idle", "windows", "timer window", "zero", "zero"},
};

// The values of every figure: Vorlane's per variant (0: no sound) and the yardsticks'.
struct Samples {
    std::vector<double> vorlane[kVariants][kFigures];
    std::vector<double> base[kFigures];
};

// The floor window's figures (private bytes, wake-ups and CPU, visible) against the yardsticks,
// then Vorlane's without a sound against the floor's.
void AddLimits(const Samples& values, const std::vector<double> (&floor)[kFigures],
               std::vector<Measured>& figures) {
    constexpr Figure kLimited[] = {kPrivate, kWakeUpsVisible, kCpuVisible};
    for (const Figure f : kLimited) {
        const FigureKind& kind = kFigureKinds[f];
        figures.push_back(Measured{std::string("limits_floor_") + kind.key,
                                   std::string("limits: floor window, ") + kind.label, kind.unit,
                                   floor[f], kind.baseline, values.base[f], ""});
    }
    for (const Figure f : kLimited) {
        const FigureKind& kind = kFigureKinds[f];
        figures.push_back(Measured{std::string("limits_") + kind.key,
                                   std::string("limits: Vorlane over the floor, ") + kind.label,
                                   kind.unit, values.vorlane[0][f], "floor window", floor[f], ""});
    }
}

std::vector<Measured> FiguresOf(const Samples& values) {
    std::vector<Measured> figures;
    for (int variant = 0; variant < kVariants; ++variant) {
        for (int f = 0; f < kFigures; ++f) {
            const FigureKind& kind = kFigureKinds[f];
            Measured figure{kind.key,      kind.label,     kind.unit,  values.vorlane[variant][f],
                            kind.baseline, values.base[f], kind.target};
            if (variant > 0) {
                const SoundVariant& sound = kSounds[variant - 1];
                figure.key += std::string("_") + sound.key;
                figure.label = std::string(sound.label) + ": " + figure.label;
                figure.target = kind.soundTarget;
                figure.withoutSound = values.vorlane[0][f];
            }
            figures.push_back(figure);
        }
    }
    return figures;
}

// The sound files, next to the settings file; their Windows paths, empty where one could not
// be written.
std::vector<std::string> WriteSoundFiles() {
    const std::wstring folder = EnvW(L"APPDATA") + L"\\Vorlane\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::vector<std::string> paths;
    for (const SoundVariant& sound : kSounds) {
        const std::wstring path = folder + sound.fileName;
        paths.push_back(testsupport::WriteBytes(path, sound.make()) ? Narrow(path) : "");
    }
    return paths;
}

} // namespace

int Run(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: StartupBench VORLANE_EXE EMPTY_EXE FLOOR_EXE FIGURES_FILE "
                             "[RUNS] [IDLE_SECONDS] [IDLE_RUNS] [POLL_MS] [SOUND_RUNS]\n");
        return 2;
    }
    auto number = [&](int index, int fallback) {
        return argc > index ? std::max(1, static_cast<int>(std::wcstol(argv[index], nullptr, 10)))
                            : fallback;
    };
    const std::wstring figuresFile = ToWindowsPath(argv[4]);
    const int runs = number(5, 10);
    const int idleSeconds = number(6, 10);
    const int idleRuns = number(7, 3);
    const auto pollMs = static_cast<DWORD>(number(8, 10));
    const int soundRuns = std::min(runs, number(9, 5));

    std::string error;
    if (EnvW(L"APPDATA").empty()) {
        std::printf("  APPDATA is not set\n");
        return 1;
    }
    const std::vector<std::string> soundPaths = WriteSoundFiles();

    // Vorlane started visibly, per variant; the warm-up start learns each one's look, since
    // the window shows the name of the chosen sound.
    Target vorlane[kVariants];
    bool usable[kVariants] = {true, true, true, true};
    for (int v = 0; v < kVariants; ++v) {
        vorlane[v].name =
            v == 0 ? "Vorlane.exe" : std::string("Vorlane.exe, ") + kSounds[v - 1].label;
        vorlane[v].exe = ToWindowsPath(argv[1]);
        vorlane[v].exeFileName = "vorlane.exe";
        vorlane[v].windowClass = L"TFormVorlane";
        vorlane[v].readsSettings = true;
        if (v > 0) {
            vorlane[v].soundFile = soundPaths[static_cast<size_t>(v - 1)];
            if (vorlane[v].soundFile.empty()) {
                std::printf("  %s: the sound file could not be written\n", vorlane[v].name.c_str());
                usable[v] = false;
            }
        }
    }
    Target empty;
    empty.name = "EmptyWindow.exe";
    empty.exe = ToWindowsPath(argv[2]);
    empty.exeFileName = "emptywindow.exe";
    empty.windowClass = L"VorlaneBenchEmptyWindow";

    ScreenGrabber grabber;
    // The desktop before any of the programs runs: what a window changes is measured against it.
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const std::vector<std::uint32_t> desktop = grabber.Grab(screen);
    if (desktop.empty()) {
        std::printf("The screen could not be read\n");
        return 1;
    }
    std::printf("Start to first paint: %d starts each (%d with each sound) after one warm-up, "
                "alternating; window and screen read every %lu ms\n",
                runs, soundRuns, pollMs);
    if (!Learn(grabber, desktop, vorlane[0], error)) {
        std::printf("  Vorlane.exe warm-up failed: %s\n", error.c_str());
        return 1;
    }
    std::printf("  all windows at (%ld, %ld), %ld x %ld\n", vorlane[0].rect.left,
                vorlane[0].rect.top, vorlane[0].rect.right - vorlane[0].rect.left,
                vorlane[0].rect.bottom - vorlane[0].rect.top);
    // The empty windows appear where Vorlane does, on the same piece of desktop.
    const std::wstring place =
        std::to_wstring(vorlane[0].rect.left) + L" " + std::to_wstring(vorlane[0].rect.top);
    empty.arguments = place;
    if (!Learn(grabber, desktop, empty, error)) {
        std::printf("  EmptyWindow.exe warm-up failed: %s\n", error.c_str());
        return 1;
    }
    for (int v = 1; v < kVariants; ++v) {
        if (usable[v] && !Learn(grabber, desktop, vorlane[v], error)) {
            std::printf("  %s warm-up failed, not measured: %s\n", vorlane[v].name.c_str(),
                        error.c_str());
            usable[v] = false;
        }
    }

    // Vorlane without a sound, its yardstick, then Vorlane with each sound.
    constexpr int kYardstick = -1;
    constexpr int kOrder[] = {0, kYardstick, 1, 2, 3};
    constexpr int kFloor = -2;
    constexpr int kIdleOrder[] = {0, kYardstick, kFloor, 1, 2, 3};
    Samples values;
    for (int i = 0; i < runs; ++i) {
        for (const int variant : kOrder) {
            const bool isEmpty = variant == kYardstick;
            if (!isEmpty && (!usable[variant] || (variant > 0 && i >= soundRuns))) {
                continue;
            }
            const Target& target = isEmpty ? empty : vorlane[variant];
            const StartRun run = TimedStart(grabber, target, pollMs);
            if (!run.ok) {
                std::printf("  %s start %d: %s\n", target.name.c_str(), i + 1, run.error.c_str());
                continue;
            }
            std::vector<double>(&into)[kFigures] = isEmpty ? values.base : values.vorlane[variant];
            into[kVisible].push_back(run.visibleMs);
            into[kFirstPixels].push_back(run.firstPixelsMs);
            into[kDrawn].push_back(run.drawnMs);
        }
    }
    std::printf("  starts measured: %zu of the empty window, %zu", values.base[kDrawn].size(),
                values.vorlane[0][kDrawn].size());
    for (int v = 1; v < kVariants; ++v) {
        std::printf(", %zu", values.vorlane[v][kDrawn].size());
    }
    std::printf(" of Vorlane without a sound and with each sound\n");

    Target tray[kVariants];
    for (int v = 0; v < kVariants; ++v) {
        tray[v] = vorlane[v];
        tray[v].name = vorlane[v].name + " -m";
        tray[v].arguments = L"-m";
        tray[v].hidden = true;
    }
    Target timer = empty;
    timer.name = "EmptyWindow.exe timer";
    timer.arguments = place + L" timer";
    Target hiddenTimer = empty;
    hiddenTimer.name = "EmptyWindow.exe timer hidden";
    hiddenTimer.arguments = place + L" timer hidden";
    hiddenTimer.hidden = true;
    Target floor;
    floor.name = "FloorWindow.exe";
    floor.exe = ToWindowsPath(argv[3]);
    floor.exeFileName = "floorwindow.exe";
    floor.windowClass = L"VorlaneBenchFloorWindow";
    floor.arguments = place;
    std::vector<double> floorValues[kFigures];

    std::printf("Memory and idle cost: %d rounds; figures 2 s after each start, then %d s of "
                "sitting there\n",
                idleRuns, idleSeconds);
    for (int round = 0; round < idleRuns; ++round) {
        // Visible, then in the tray: Vorlane without a sound, its yardstick, the floor window
        // (visible only), Vorlane with each sound; last the empty window for the memory.
        std::vector<double> wakeUpsVisible(kVariants, -1.0);
        std::vector<double> wakeUpsTray(kVariants, -1.0);
        double wakeUpsTimer = -1;
        double wakeUpsHiddenTimer = -1;
        double wakeUpsFloor = -1;
        for (int inTray = 0; inTray < 2; ++inTray) {
            for (const int variant : kIdleOrder) {
                if (variant == kFloor) {
                    if (inTray) {
                        continue;
                    }
                    const IdleFigures figures = Idle(floor, idleSeconds);
                    if (!figures.ok) {
                        std::printf("  round %d, %s: %s\n", round + 1, floor.name.c_str(),
                                    figures.error.c_str());
                        continue;
                    }
                    wakeUpsFloor = WakeUpsPerSecond(figures, idleSeconds);
                    Keep(floorValues[kWakeUpsVisible], wakeUpsFloor);
                    Keep(floorValues[kCpuVisible], CorePercent(figures, idleSeconds));
                    floorValues[kPrivate].push_back(Megabytes(figures.memoryAt2s.privateBytes));
                    continue;
                }
                const bool isTimer = variant == kYardstick;
                if (!isTimer && !usable[variant]) {
                    continue;
                }
                const Target& target = isTimer ? (inTray ? hiddenTimer : timer)
                                               : (inTray ? tray[variant] : vorlane[variant]);
                const IdleFigures figures = Idle(target, idleSeconds);
                if (!figures.ok) {
                    std::printf("  round %d, %s: %s\n", round + 1, target.name.c_str(),
                                figures.error.c_str());
                    continue;
                }
                std::vector<double>(&into)[kFigures] =
                    isTimer ? values.base : values.vorlane[variant];
                const double wakeUps = WakeUpsPerSecond(figures, idleSeconds);
                Keep(into[inTray ? kWakeUpsTray : kWakeUpsVisible], wakeUps);
                Keep(into[inTray ? kCpuTray : kCpuVisible], CorePercent(figures, idleSeconds));
                if (isTimer) {
                    (inTray ? wakeUpsHiddenTimer : wakeUpsTimer) = wakeUps;
                } else {
                    (inTray ? wakeUpsTray : wakeUpsVisible)[static_cast<size_t>(variant)] = wakeUps;
                }
                if (inTray) {
                    continue;
                }
                Keep(into[kGdiGrowth], Diff(static_cast<double>(figures.tableGdiAtEnd),
                                            static_cast<double>(figures.tableGdiAt2s)));
                Keep(into[kWindowGrowth], Diff(static_cast<double>(figures.windowsAtEnd),
                                               static_cast<double>(figures.windowsAt2s)));
                if (!isTimer) {
                    into[kPrivate].push_back(Megabytes(figures.memoryAt2s.privateBytes));
                    Keep(into[kRss], Kb(figures.unixAt2s.rssKb));
                }
            }
        }
        const IdleFigures emptyFigures = Idle(empty, 0);
        if (emptyFigures.ok) {
            values.base[kPrivate].push_back(Megabytes(emptyFigures.memoryAt2s.privateBytes));
            Keep(values.base[kRss], Kb(emptyFigures.unixAt2s.rssKb));
        } else {
            std::printf("  round %d, %s: %s\n", round + 1, empty.name.c_str(),
                        emptyFigures.error.c_str());
        }
        std::printf("  round %d: wake-ups/s visible %.1f (timer window %.1f, floor window %.1f), "
                    "in the tray %.1f (hidden timer window %.1f)",
                    round + 1, wakeUpsVisible[0], wakeUpsTimer, wakeUpsFloor, wakeUpsTray[0],
                    wakeUpsHiddenTimer);
        for (int v = 1; v < kVariants; ++v) {
            std::printf("; %s %.1f and %.1f", kSounds[v - 1].label,
                        wakeUpsVisible[static_cast<size_t>(v)],
                        wakeUpsTray[static_cast<size_t>(v)]);
        }
        std::printf("\n");
    }
    std::vector<Measured> figures = FiguresOf(values);
    AddLimits(values, floorValues, figures);
    WriteFigures(figuresFile, figures);
    // What runs next (PaintBench) reads the same settings file: it finds no sound, as before.
    if (!WriteSettingsFile("", error)) {
        std::printf("  %s\n", error.c_str());
    }
    // A start that could not be measured is reported above; the figures stand on the others.
    return !values.vorlane[0][kDrawn].empty() && !values.base[kDrawn].empty() &&
                   !values.vorlane[0][kPrivate].empty()
               ? 0
               : 1;
}

} // namespace vorlane::bench
