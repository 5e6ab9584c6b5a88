// Start-up, memory and idle cost of Vorlane.exe against an empty Win32 window, both started
// from here as separate processes and observed from outside, the way a user sees them.
//
//   StartupBench.exe VORLANE_EXE EMPTY_EXE [RUNS] [IDLE_SECONDS]
//
// Start to first paint: the clock runs from CreateProcessW until the window is visible
// (IsWindowVisible), until its pixels first show on the screen (half of the pixels the window
// changes differ from the desktop) and until it is drawn (97 % of those pixels look as they do
// once the window has settled), read from the screen with BitBlt every millisecond once the
// window is visible. What "settled" looks like comes from one warm-up start of each program.
// Runs alternate between the two programs, so that drift of the machine falls on both alike.
//
// Memory and idle cost: each program once more, on its own; private bytes, working set and
// GDI objects 2 s after the start, CPU time over the next IDLE_SECONDS, and the same figures
// again at the end. Under Wine also the Unix side: RSS of the process, its run time and
// wake-ups (voluntary context switches) from /proc, and the run time of the wineserver and the
// X server (BENCH_WINESERVER_PID and BENCH_XVFB_PID) over the same seconds.
#include "BenchSupport.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vorlane::bench {
namespace {

constexpr double kTimeoutMs = 15000.0;

struct Target {
    std::string name;
    std::wstring exe;        // Windows path
    std::string exeFileName; // as the Unix side shows it
    std::wstring windowClass;
    std::wstring arguments;
    // Learnt by the warm-up start.
    RECT rect{};
    std::vector<std::uint32_t> reference;
    std::vector<std::uint32_t> desktop;
};

// A rectangle of the screen as 0x00RRGGBB pixels, top-down.
class ScreenGrabber {
public:
    ScreenGrabber() : screen_(GetDC(nullptr)), memory_(CreateCompatibleDC(screen_)) {}
    ~ScreenGrabber() {
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
        DeleteDC(memory_);
        ReleaseDC(nullptr, screen_);
    }
    ScreenGrabber(const ScreenGrabber&) = delete;
    ScreenGrabber& operator=(const ScreenGrabber&) = delete;

    std::vector<std::uint32_t> Grab(const RECT& rect) {
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        if (width != width_ || height != height_) {
            if (bitmap_ != nullptr) {
                DeleteObject(bitmap_);
            }
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof(info.bmiHeader);
            info.bmiHeader.biWidth = width;
            info.bmiHeader.biHeight = -height;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            bitmap_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
            SelectObject(memory_, bitmap_);
            width_ = width;
            height_ = height;
        }
        BitBlt(memory_, 0, 0, width, height, screen_, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits_);
        std::vector<std::uint32_t> result(pixels, pixels + static_cast<size_t>(width * height));
        for (auto& pixel : result) {
            pixel &= 0x00FFFFFF;
        }
        return result;
    }

private:
    HDC screen_;
    HDC memory_;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

struct FindWindowOf {
    DWORD pid;
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK FindWindowProc(HWND window, LPARAM data) {
    auto* find = reinterpret_cast<FindWindowOf*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != find->pid) {
        return TRUE;
    }
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    if (std::wstring(name) == find->windowClass) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND TopLevelWindow(DWORD pid, const std::wstring& windowClass) {
    FindWindowOf find{pid, windowClass.c_str(), nullptr};
    EnumWindows(FindWindowProc, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

class Started {
public:
    Started(const Target& target, bool* ok) {
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
            started.window = TopLevelWindow(started.pid, target.windowClass);
        }
        if (visibleAt < 0 && started.window != nullptr && IsWindowVisible(started.window)) {
            visibleAt = NowMs();
        }
        if (visibleAt >= 0 && NowMs() - visibleAt >= 1000.0) {
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

StartRun TimedStart(ScreenGrabber& grabber, const Target& target) {
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
            started.window = TopLevelWindow(started.pid, target.windowClass);
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
        Sleep(1);
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

struct Stats {
    double median = -1;
    double min = -1;
    size_t count = 0;
};

Stats StatsOf(std::vector<double> values) {
    Stats stats;
    std::vector<double> valid;
    for (double value : values) {
        if (value >= 0) {
            valid.push_back(value);
        }
    }
    if (valid.empty()) {
        return stats;
    }
    std::sort(valid.begin(), valid.end());
    stats.count = valid.size();
    stats.min = valid.front();
    const size_t half = valid.size() / 2;
    stats.median = valid.size() % 2 == 1 ? valid[half] : (valid[half - 1] + valid[half]) / 2.0;
    return stats;
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

IdleFigures Idle(const Target& target, int idleSeconds) {
    IdleFigures figures;
    bool ok = false;
    Started started(target, &ok);
    if (!ok) {
        figures.error = "CreateProcessW failed";
        return figures;
    }
    while (started.window == nullptr && NowMs() - started.startMs < kTimeoutMs) {
        HWND window = TopLevelWindow(started.pid, target.windowClass);
        if (window != nullptr && IsWindowVisible(window)) {
            started.window = window;
        }
        Sleep(10);
    }
    if (started.window == nullptr) {
        figures.error = "no visible window";
        return figures;
    }
    const double at2s = started.startMs + 2000.0;
    while (NowMs() < at2s) {
        Sleep(5);
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

void Row(const char* label, double vorlane, double empty, int decimals = 1) {
    std::printf("  %-52s %12s %12s %9s\n", label, Figure(vorlane, decimals).c_str(),
                Figure(empty, decimals).c_str(), Ratio(vorlane, empty).c_str());
}

void TextRow(const char* label, const std::string& vorlane, const std::string& empty) {
    std::printf("  %-52s %12s %12s\n", label, vorlane.c_str(), empty.c_str());
}

double Kb(long kb) {
    return kb < 0 ? -1.0 : static_cast<double>(kb) / 1024.0;
}

double Diff(double after, double before) {
    return after < 0 || before < 0 ? -1.0 : after - before;
}

int Run(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartupBench VORLANE_EXE EMPTY_EXE [RUNS] [IDLE_SECONDS]\n");
        return 2;
    }
    const int runs =
        argc > 3 ? std::max(1, static_cast<int>(std::wcstol(argv[3], nullptr, 10))) : 10;
    const int idleSeconds =
        argc > 4 ? std::max(1, static_cast<int>(std::wcstol(argv[4], nullptr, 10))) : 10;

    Target vorlane;
    vorlane.name = "Vorlane.exe";
    vorlane.exe = ToWindowsPath(argv[1]);
    vorlane.exeFileName = "vorlane.exe";
    vorlane.windowClass = L"TFormVorlane";
    Target empty;
    empty.name = "EmptyWindow.exe";
    empty.exe = ToWindowsPath(argv[2]);
    empty.exeFileName = "emptywindow.exe";
    empty.windowClass = L"VorlaneBenchEmptyWindow";

    ScreenGrabber grabber;
    // The desktop before any of the programs runs: what a window changes is measured against it.
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const std::vector<std::uint32_t> desktop = grabber.Grab(screen);
    std::string error;
    std::printf("Start to first paint (%d starts each after one warm-up, alternating)\n", runs);
    if (!Learn(grabber, desktop, vorlane, error)) {
        std::printf("  Vorlane.exe warm-up failed: %s\n", error.c_str());
        return 1;
    }
    std::printf("  both windows at (%ld, %ld), %ld x %ld\n", vorlane.rect.left, vorlane.rect.top,
                vorlane.rect.right - vorlane.rect.left, vorlane.rect.bottom - vorlane.rect.top);
    // The empty window appears where Vorlane does, on the same piece of desktop.
    empty.arguments = std::to_wstring(vorlane.rect.left) + L" " + std::to_wstring(vorlane.rect.top);
    if (!Learn(grabber, desktop, empty, error)) {
        std::printf("  EmptyWindow.exe warm-up failed: %s\n", error.c_str());
        return 1;
    }

    std::vector<double> visible[2], firstPixels[2], drawn[2];
    for (int i = 0; i < runs; ++i) {
        Target* targets[2] = {&vorlane, &empty};
        for (int t = 0; t < 2; ++t) {
            const StartRun run = TimedStart(grabber, *targets[t]);
            if (!run.ok) {
                std::printf("  %s start %d: %s\n", targets[t]->name.c_str(), i + 1,
                            run.error.c_str());
                continue;
            }
            visible[t].push_back(run.visibleMs);
            firstPixels[t].push_back(run.firstPixelsMs);
            drawn[t].push_back(run.drawnMs);
        }
    }
    std::printf("  %-52s %12s %12s %9s\n", "ms from CreateProcess", "Vorlane.exe", "empty",
                "ratio");
    const Stats sv[2] = {StatsOf(visible[0]), StatsOf(visible[1])};
    const Stats sp[2] = {StatsOf(firstPixels[0]), StatsOf(firstPixels[1])};
    const Stats sd[2] = {StatsOf(drawn[0]), StatsOf(drawn[1])};
    Row("window visible, median", sv[0].median, sv[1].median);
    Row("window visible, min", sv[0].min, sv[1].min);
    Row("first pixels on screen, median", sp[0].median, sp[1].median);
    Row("first pixels on screen, min", sp[0].min, sp[1].min);
    Row("drawn on screen (97 % final), median", sd[0].median, sd[1].median);
    Row("drawn on screen (97 % final), min", sd[0].min, sd[1].min);
    TextRow("starts measured", std::to_string(sd[0].count), std::to_string(sd[1].count));
    std::printf("\n");

    std::printf("Memory and idle cost (one start each; figures 2 s after the start, then %d s of "
                "sitting there)\n",
                idleSeconds);
    const IdleFigures iv = Idle(vorlane, idleSeconds);
    const IdleFigures ie = Idle(empty, idleSeconds);
    if (!iv.ok || !ie.ok) {
        std::printf("  failed: Vorlane.exe: %s; EmptyWindow.exe: %s\n", iv.error.c_str(),
                    ie.error.c_str());
        return 1;
    }
    std::printf("  %-52s %12s %12s %9s\n", "", "Vorlane.exe", "empty", "ratio");
    char label[96];
    std::snprintf(label, sizeof(label), "private bytes at 2 s, MB (%s)",
                  iv.memoryAt2s.privateSource);
    Row(label, Megabytes(iv.memoryAt2s.privateBytes), Megabytes(ie.memoryAt2s.privateBytes), 2);
    Row("committed private at 2 s, MB (VirtualQuery)", Megabytes(iv.memoryAt2s.committedPrivate),
        Megabytes(ie.memoryAt2s.committedPrivate), 2);
    Row("working set at 2 s, MB", Megabytes(iv.memoryAt2s.workingSet),
        Megabytes(ie.memoryAt2s.workingSet), 2);
    Row("Unix RSS at 2 s, MB", Kb(iv.unixAt2s.rssKb), Kb(ie.unixAt2s.rssKb), 2);
    Row("Unix anonymous RSS at 2 s, MB", Kb(iv.unixAt2s.rssAnonKb), Kb(ie.unixAt2s.rssAnonKb), 2);
    std::snprintf(label, sizeof(label), "private bytes at %d s, MB", idleSeconds + 2);
    Row(label, Megabytes(iv.memoryAtEnd.privateBytes), Megabytes(ie.memoryAtEnd.privateBytes), 2);
    std::snprintf(label, sizeof(label), "idle CPU in %d s, ms (GetProcessTimes, 10 ms steps)",
                  idleSeconds);
    Row(label, iv.cpuMs, ie.cpuMs);
    std::snprintf(label, sizeof(label), "idle CPU in %d s, ms (Unix schedstat)", idleSeconds);
    Row(label, Diff(iv.unixAtEnd.cpuMs, iv.unixAt2s.cpuMs),
        Diff(ie.unixAtEnd.cpuMs, ie.unixAt2s.cpuMs), 2);
    const double runV = Diff(iv.unixAtEnd.cpuMs, iv.unixAt2s.cpuMs);
    const double runE = Diff(ie.unixAtEnd.cpuMs, ie.unixAt2s.cpuMs);
    Row("CPU share while idle, % of one core", runV < 0 ? -1 : runV / (idleSeconds * 10.0),
        runE < 0 ? -1 : runE / (idleSeconds * 10.0), 3);
    const double wakeUpsV =
        Diff(static_cast<double>(iv.unixAtEnd.wakeUps), static_cast<double>(iv.unixAt2s.wakeUps));
    const double wakeUpsE =
        Diff(static_cast<double>(ie.unixAtEnd.wakeUps), static_cast<double>(ie.unixAt2s.wakeUps));
    Row("wake-ups per s (voluntary ctx switches)", wakeUpsV < 0 ? -1 : wakeUpsV / idleSeconds,
        wakeUpsE < 0 ? -1 : wakeUpsE / idleSeconds);
    std::snprintf(label, sizeof(label), "wineserver CPU meanwhile, ms");
    Row(label, iv.wineserverCpuMs, ie.wineserverCpuMs, 1);
    std::snprintf(label, sizeof(label), "X server CPU meanwhile, ms");
    Row(label, iv.xserverCpuMs, ie.xserverCpuMs, 1);
    const int endSecond = idleSeconds + 2;
    auto pair = [](double first, double second) {
        return Figure(first, 0) + " / " + Figure(second, 0);
    };
    std::snprintf(label, sizeof(label), "GDI objects at 2 s / %d s (GetGuiResources)", endSecond);
    TextRow(label, pair(iv.guiGdiAt2s, iv.guiGdiAtEnd), pair(ie.guiGdiAt2s, ie.guiGdiAtEnd));
    std::snprintf(label, sizeof(label), "USER objects at 2 s / %d s (GetGuiResources)", endSecond);
    TextRow(label, pair(iv.guiUserAt2s, iv.guiUserAtEnd), pair(ie.guiUserAt2s, ie.guiUserAtEnd));
    std::snprintf(label, sizeof(label), "GDI objects at 2 s / %d s (handle table)", endSecond);
    TextRow(label, pair(iv.tableGdiAt2s, iv.tableGdiAtEnd),
            pair(ie.tableGdiAt2s, ie.tableGdiAtEnd));
    std::snprintf(label, sizeof(label), "windows at 2 s / %d s (EnumWindows)", endSecond);
    TextRow(label, pair(iv.windowsAt2s, iv.windowsAtEnd), pair(ie.windowsAt2s, ie.windowsAtEnd));
    if (iv.guiGdiAt2s == 0 && ie.guiGdiAt2s == 0 && iv.tableGdiAt2s > 0) {
        std::printf("  GetGuiResources answers 0 for processes that do hold GDI objects: not "
                    "implemented here (Wine).\n  GDI objects are counted in the handle table "
                    "instead; of the USER objects only windows can be counted.\n");
    }
    // A start that could not be measured is reported above; the figures stand on the others.
    return sd[0].count > 0 && sd[1].count > 0 ? 0 : 1;
}

} // namespace
} // namespace vorlane::bench

int wmain(int argc, wchar_t** argv) {
    const int result = vorlane::bench::Run(argc, argv);
    std::fflush(stdout);
    return result;
}
