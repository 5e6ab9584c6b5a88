#pragma once
// What the benchmarks read about a process: the clock, memory, GDI objects, CPU time, and,
// under Wine, the Unix side of the same process (through Wine's Z: drive onto /proc).
#include "platform/win32/Utf16.h"
#include "tests/support/WineHost.h"

#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace vorlane::bench {

using testsupport::EnvW;
using testsupport::RunningUnderWine;
using testsupport::ToWindowsPath;
using win32::Narrow;

// Milliseconds from an arbitrary start, from the performance counter.
inline double NowMs() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

struct Memory {
    bool ok = false;
    // Private bytes (commit charge): PrivateUsage, or PagefileUsage, which Windows fills with
    // the same value, where PrivateUsage is left 0 (Wine 8 fills only PagefileUsage).
    SIZE_T privateBytes = 0;
    const char* privateSource = "PrivateUsage";
    SIZE_T workingSet = 0;
    // Committed private pages summed over the address space with VirtualQueryEx.
    SIZE_T committedPrivate = 0;
};

inline Memory MemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    Memory memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof(counters))) {
        memory.ok = true;
        memory.privateBytes = counters.PrivateUsage;
        if (memory.privateBytes == 0) {
            memory.privateBytes = counters.PagefileUsage;
            memory.privateSource = "PagefileUsage";
        }
        memory.workingSet = counters.WorkingSetSize;
    }
    MEMORY_BASIC_INFORMATION region;
    const char* at = nullptr;
    while (VirtualQueryEx(process, at, &region, sizeof(region)) == sizeof(region)) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            memory.committedPrivate += region.RegionSize;
        }
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) {
            break;
        }
        at = next;
    }
    return memory;
}

// User plus kernel time of the process in milliseconds, or a negative value.
inline double CpuMsOf(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) {
        return -1.0;
    }
    auto value = [](const FILETIME& time) {
        return static_cast<double>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime);
    };
    return (value(kernel) + value(user)) / 10000.0;
}

// The window system's own count of GDI objects of the process (GetGuiResources).
inline DWORD GuiGdiObjects(HANDLE process) {
    return GetGuiResources(process, GR_GDIOBJECTS);
}
inline DWORD GuiUserObjects(HANDLE process) {
    return GetGuiResources(process, GR_USEROBJECTS);
}

// GDI objects counted in the process's GDI handle table, which the process environment block
// points to (GdiSharedHandleTable, at 0xF8 in the 64-bit block). An entry is 24 bytes: the
// object, the owner, the unique/stock byte pair (the stock flag is bit 7 of byte 12) and the
// type at byte 14. Wine clears the type when an object is deleted, so a live non-stock object
// is an entry with a type and no stock flag. Only used where GetGuiResources reports nothing:
// on Windows the table is shared by every process of the session. -1 when unreadable.
inline long GdiTableObjects(HANDLE process) {
    using Query = LONG(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    if (query == nullptr) {
        return -1;
    }
    PROCESS_BASIC_INFORMATION basic{};
    if (query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
        return -1;
    }
    std::uint64_t table = 0;
    SIZE_T read = 0;
    const auto* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    if (!ReadProcessMemory(process, peb + 0xF8, &table, sizeof(table), &read) || table == 0) {
        return -1;
    }
    constexpr size_t kEntries = 0x10000;
    constexpr size_t kEntrySize = 24;
    static std::vector<unsigned char> entries(kEntries * kEntrySize);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size(), &read) ||
        read != entries.size()) {
        return -1;
    }
    long live = 0;
    for (size_t i = 0; i < kEntries; ++i) {
        const unsigned char* entry = entries.data() + i * kEntrySize;
        const bool stock = (entry[12] & 0x80) != 0;
        if (entry[14] != 0 && !stock) {
            ++live;
        }
    }
    return live;
}

// GDI objects of the process: GetGuiResources where it answers, else the handle table.
struct GdiCount {
    long objects = -1;
    const char* source = "none";
};

inline GdiCount GdiObjectsOf(HANDLE process) {
    const DWORD gui = GuiGdiObjects(process);
    if (gui != 0) {
        return {static_cast<long>(gui), "GetGuiResources"};
    }
    const long table = GdiTableObjects(process);
    if (table >= 0) {
        return {table, "handle table"};
    }
    return {};
}

// Windows of the process, top-level ones and all their descendants: the part of its USER
// objects that can be counted from outside where GetGuiResources reports nothing.
struct WindowCount {
    DWORD pid;
    long count;
};

inline BOOL CALLBACK CountChildWindow(HWND /*window*/, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->count;
    return TRUE;
}

inline BOOL CALLBACK CountTopLevelWindow(HWND window, LPARAM data) {
    auto* windows = reinterpret_cast<WindowCount*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == windows->pid) {
        ++windows->count;
        EnumChildWindows(window, CountChildWindow, data);
    }
    return TRUE;
}

inline long WindowsOf(DWORD pid) {
    WindowCount windows{pid, 0};
    EnumWindows(CountTopLevelWindow, reinterpret_cast<LPARAM>(&windows));
    return windows.count;
}

// Top-level windows of the calling thread whose class is className, visible or not.
struct ClassWindows {
    const wchar_t* className;
    std::vector<HWND> found;
};

inline BOOL CALLBACK CollectWindowOfClass(HWND window, LPARAM data) {
    auto* windows = reinterpret_cast<ClassWindows*>(data);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == windows->className) {
        windows->found.push_back(window);
    }
    return TRUE;
}

inline std::vector<HWND> ThreadWindowsOfClass(const wchar_t* className) {
    ClassWindows windows{className, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectWindowOfClass,
                      reinterpret_cast<LPARAM>(&windows));
    return windows.found;
}

// ---- The Unix side of a Wine process, through /proc ----

// Whole contents of a (Unix) file read through Wine's Z: drive; nullopt when unreadable.
inline std::optional<std::string> ReadUnixFile(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    CloseHandle(file);
    return text;
}

// The value of a "Name:   123 kB" line of /proc/PID/status, in kB; -1 when missing.
inline long StatusField(const std::string& status, const std::string& name) {
    const size_t at = status.find("\n" + name + ":");
    if (at == std::string::npos) {
        return -1;
    }
    return std::strtol(status.c_str() + at + name.size() + 2, nullptr, 10);
}

struct UnixProcess {
    long rssKb = -1;
    long rssAnonKb = -1;
    double cpuMs = -1.0; // time every thread ran
    long wakeUps = -1;   // voluntary context switches of every thread
};

// Processor time from /proc/PID/stat, in clock ticks of 10 ms (USER_HZ is 100 on Linux).
inline double StatCpuMs(const std::string& stat) {
    // The fields after the command name in parentheses start with field 3; utime is 14 and
    // stime 15.
    const size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        return -1.0;
    }
    std::vector<std::string> fields;
    size_t at = close + 2;
    while (at < stat.size()) {
        const size_t next = stat.find(' ', at);
        fields.push_back(stat.substr(at, next - at));
        if (next == std::string::npos) {
            break;
        }
        at = next + 1;
    }
    if (fields.size() <= 12) {
        return -1.0;
    }
    return (std::strtod(fields[11].c_str(), nullptr) + std::strtod(fields[12].c_str(), nullptr)) *
           10.0;
}

inline UnixProcess ReadUnixProcess(unsigned pid) {
    UnixProcess result;
    const std::string base = "/proc/" + std::to_string(pid);
    if (auto status = ReadUnixFile(base + "/status")) {
        result.rssKb = StatusField(*status, "VmRSS");
        result.rssAnonKb = StatusField(*status, "RssAnon");
    }
    // Per thread: the time it ran, in nanoseconds (the first field of schedstat), and how
    // often it blocked (on a timer, a message, a reply of the wineserver) and had to be woken.
    WIN32_FIND_DATAW found;
    const std::wstring tasks = L"Z:\\proc\\" + std::to_wstring(pid) + L"\\task\\*";
    HANDLE search = FindFirstFileW(tasks.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        long wakeUps = 0;
        double runNs = 0;
        bool haveSchedstat = true;
        do {
            if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') {
                continue;
            }
            const std::string task = base + "/task/" + Narrow(found.cFileName);
            if (auto status = ReadUnixFile(task + "/status")) {
                const long voluntary = StatusField(*status, "voluntary_ctxt_switches");
                if (voluntary >= 0) {
                    wakeUps += voluntary;
                }
            }
            const auto schedstat = ReadUnixFile(task + "/schedstat");
            if (schedstat && !schedstat->empty()) {
                runNs += std::strtod(schedstat->c_str(), nullptr);
            } else {
                haveSchedstat = false;
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        result.wakeUps = wakeUps;
        if (haveSchedstat) {
            result.cpuMs = runNs / 1e6;
        }
    }
    if (result.cpuMs < 0) {
        if (auto stat = ReadUnixFile(base + "/stat")) {
            result.cpuMs = StatCpuMs(*stat);
        }
    }
    return result;
}

inline std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// The Unix process that runs the Windows program named exeName in this Wine prefix (its
// environment carries the same WINEPREFIX), the most recently started one; 0 when none.
inline unsigned UnixPidOf(const std::string& exeName) {
    const std::string prefix = "WINEPREFIX=" + Narrow(EnvW(L"WINEPREFIX"));
    const std::string wanted = Lower(exeName);
    unsigned best = 0;
    double bestStart = -1.0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') {
            continue;
        }
        const std::string pid = Narrow(found.cFileName);
        const auto commandLine = ReadUnixFile("/proc/" + pid + "/cmdline");
        if (!commandLine || commandLine->empty()) {
            continue;
        }
        // The first argument is the program; Wine shows the Windows path of the exe there.
        std::string program = Lower(commandLine->substr(0, commandLine->find('\0')));
        const size_t slash = program.find_last_of("\\/");
        if (slash != std::string::npos) {
            program = program.substr(slash + 1);
        }
        if (program != wanted) {
            continue;
        }
        const auto environment = ReadUnixFile("/proc/" + pid + "/environ");
        if (!environment ||
            (std::string(1, '\0') + *environment + '\0')
                    .find(std::string(1, '\0') + prefix + '\0') == std::string::npos) {
            continue;
        }
        const auto stat = ReadUnixFile("/proc/" + pid + "/stat");
        double start = 0.0;
        if (stat) {
            const size_t close = stat->rfind(')');
            // Field 22 (start time) is the 20th after the command name.
            size_t at = close + 2;
            for (int field = 3; field < 22 && at != std::string::npos; ++field) {
                at = stat->find(' ', at);
                if (at != std::string::npos) {
                    ++at;
                }
            }
            if (at != std::string::npos) {
                start = std::strtod(stat->c_str() + at, nullptr);
            }
        }
        if (start >= bestStart) {
            bestStart = start;
            best = static_cast<unsigned>(std::stoul(pid));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return best;
}

// "12.3" or "n/a" for a negative value.
inline std::string Figure(double value, int decimals = 1) {
    if (value < 0) {
        return "n/a";
    }
    char text[64];
    std::snprintf(text, sizeof(text), "%.*f", decimals, value);
    return text;
}

inline std::string Ratio(double value, double base) {
    if (value < 0 || base <= 0) {
        return "n/a";
    }
    char text[64];
    std::snprintf(text, sizeof(text), "%.2fx", value / base);
    return text;
}

inline double Megabytes(SIZE_T bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// ---- The figures file that tools/bench_report.py turns into the table and the JSON ----

// One figure of Vorlane and its baseline, one value per measured run. The target is
// "ratio<=X" (of the medians), "nosound<=X" (the ratio of the medians to the same figure of
// Vorlane without an alarm sound), "below=X" (Vorlane's median) or "zero" (no growth); empty
// when the figure is shown for information only.
struct Measured {
    std::string key;
    std::string label;
    std::string unit;
    std::vector<double> vorlane;
    std::string baseline;
    std::vector<double> base;
    std::string target;
    // A figure of Vorlane with an alarm sound: the same figure without one, from the same run.
    std::vector<double> withoutSound{};
};

inline std::string Values(const std::vector<double>& values) {
    std::ostringstream text;
    for (size_t i = 0; i < values.size(); ++i) {
        text << (i == 0 ? "" : ",") << values[i];
    }
    return text.str();
}

// Appends one line per figure: key, label, unit, values, baseline, values, target, values
// without a sound, separated by tabs, the values by commas.
inline void WriteFigures(const std::wstring& path, const std::vector<Measured>& figures) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::app);
    for (const Measured& figure : figures) {
        file << figure.key << '\t' << figure.label << '\t' << figure.unit << '\t'
             << Values(figure.vorlane) << '\t' << figure.baseline << '\t' << Values(figure.base)
             << '\t' << figure.target << '\t' << Values(figure.withoutSound) << '\n';
    }
}

} // namespace vorlane::bench
