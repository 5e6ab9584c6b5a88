// Paint cost of the real main window, in this process: the window is created the way the
// program entry creates it (CreateApplication on a Win32Host), shown, and then driven by hand.
//
//   PaintBench.exe FIGURES_FILE [REPAINTS] [LOOK_CHANGES] [TICK_SECONDS]
//
// The cost of a full repaint (in five batches, for its spread) and the growth of GDI objects
// and windows over the look changes and the ticks also go into FIGURES_FILE (see
// BenchSupport.h).
//
// What it counts is observed, not assumed: the main window and every field are subclassed so
// that each WM_PAINT they receive is counted (and the main window's is timed), and the calls
// this exe makes to Shell_NotifyIconW, SetWindowTextW and InvalidateRect go through counting
// entries patched into its import table.
#include "BenchSupport.h"

#include "app/Vorlane.h"
#include "platform/win32/Win32Host.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace vorlane::bench {
namespace {

// The full repaints are timed in this many batches, for the spread of their cost.
constexpr long kRepaintBatches = 5;

// ---- Counting paints ----

struct PaintCounts {
    long main = 0;
    long fields = 0;
    double mainMs = 0; // time spent inside the main window's WM_PAINT
};

HWND g_mainWindow = nullptr;
PaintCounts g_paints;
std::map<HWND, WNDPROC> g_originalProcs;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC original = g_originalProcs[window];
    if (message == WM_PAINT) {
        if (window == g_mainWindow) {
            ++g_paints.main;
            const double start = NowMs();
            const LRESULT result = CallWindowProcW(original, window, message, wParam, lParam);
            g_paints.mainMs += NowMs() - start;
            return result;
        }
        ++g_paints.fields;
    }
    return CallWindowProcW(original, window, message, wParam, lParam);
}

void CountPaintsOf(HWND window) {
    g_originalProcs[window] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
}

BOOL CALLBACK CountPaintsOfChild(HWND child, LPARAM /*unused*/) {
    CountPaintsOf(child);
    return TRUE;
}

// ---- Counting calls through the import table ----

// Replaces this exe's import of dll!function by replacement; returns the original entry, or
// null when the exe does not import it.
void* PatchImport(const char* dll, const char* function, void* replacement) {
    auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         module->Name != 0; ++module) {
        if (_stricmp(reinterpret_cast<const char*>(base + module->Name), dll) != 0 ||
            module->OriginalFirstThunk == 0) {
            continue;
        }
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
                continue;
            }
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) {
                continue;
            }
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE,
                           &protection);
            void* original = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection,
                           &protection);
            return original;
        }
    }
    return nullptr;
}

struct CallCounts {
    long trayModify = 0;
    long trayOther = 0;
    long setWindowText = 0;
    long invalidateRect = 0;
};

CallCounts g_calls;

using NotifyIconFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
using SetWindowTextFunction = BOOL(WINAPI*)(HWND, LPCWSTR);
using InvalidateRectFunction = BOOL(WINAPI*)(HWND, const RECT*, BOOL);
NotifyIconFunction g_notifyIcon = nullptr;
SetWindowTextFunction g_setWindowText = nullptr;
InvalidateRectFunction g_invalidateRect = nullptr;

BOOL WINAPI CountingNotifyIcon(DWORD message, PNOTIFYICONDATAW data) {
    ++(message == NIM_MODIFY ? g_calls.trayModify : g_calls.trayOther);
    return g_notifyIcon(message, data);
}
BOOL WINAPI CountingSetWindowText(HWND window, LPCWSTR text) {
    ++g_calls.setWindowText;
    return g_setWindowText(window, text);
}
BOOL WINAPI CountingInvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    ++g_calls.invalidateRect;
    return g_invalidateRect(window, rect, erase);
}

template <class Function>
bool Count(const char* dll, const char* name, Function replacement, Function& original) {
    original =
        reinterpret_cast<Function>(PatchImport(dll, name, reinterpret_cast<void*>(replacement)));
    return original != nullptr;
}

// ---- The message loop, by hand ----

bool g_quit = false;

// Delivers everything waiting, paints included (they come when nothing else waits).
void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            g_quit = true;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Pump(double milliseconds) {
    const double end = NowMs() + milliseconds;
    while (NowMs() < end) {
        PumpPending();
        Sleep(5);
    }
}

BOOL CALLBACK FindMainWindow(HWND window, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == L"TFormVorlane") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

struct Snapshot {
    GdiCount gdi;
    Memory memory;
    long windows = 0;
};

Snapshot Take() {
    return {GdiObjectsOf(GetCurrentProcess()), MemoryOf(GetCurrentProcess()),
            WindowsOf(GetCurrentProcessId())};
}

std::string GrowthLine(const Snapshot& before, const Snapshot& after) {
    char text[300];
    std::snprintf(text, sizeof(text),
                  "GDI objects %ld -> %ld, windows %ld -> %ld, private bytes %.0f -> %.0f KiB "
                  "(%s), committed private %.0f -> %.0f KiB",
                  before.gdi.objects, after.gdi.objects, before.windows, after.windows,
                  static_cast<double>(before.memory.privateBytes) / 1024.0,
                  static_cast<double>(after.memory.privateBytes) / 1024.0,
                  after.memory.privateSource,
                  static_cast<double>(before.memory.committedPrivate) / 1024.0,
                  static_cast<double>(after.memory.committedPrivate) / 1024.0);
    return text;
}

std::string DisplayText(TFormVorlane& form) {
    return form.edtTimeMinutes.Text() + ":" + form.edtTimeSeconds.Text();
}

struct TickBucket {
    long ticks = 0;
    double handlerMs = 0;
    PaintCounts paints;
    CallCounts calls;
};

void Add(TickBucket& bucket, double handlerMs, const PaintCounts& before, const CallCounts& calls) {
    ++bucket.ticks;
    bucket.handlerMs += handlerMs;
    bucket.paints.main += g_paints.main - before.main;
    bucket.paints.fields += g_paints.fields - before.fields;
    bucket.calls.trayModify += g_calls.trayModify - calls.trayModify;
    bucket.calls.trayOther += g_calls.trayOther - calls.trayOther;
    bucket.calls.setWindowText += g_calls.setWindowText - calls.setWindowText;
    bucket.calls.invalidateRect += g_calls.invalidateRect - calls.invalidateRect;
}

void PrintBucket(const char* what, const TickBucket& bucket) {
    std::printf(
        "  %-34s %8ld ticks, %7.2f us each; repaints: window %ld, fields %ld; "
        "tray updates %ld; SetWindowText %ld; InvalidateRect %ld\n",
        what, bucket.ticks, bucket.ticks > 0 ? bucket.handlerMs * 1000.0 / bucket.ticks : 0.0,
        bucket.paints.main, bucket.paints.fields, bucket.calls.trayModify + bucket.calls.trayOther,
        bucket.calls.setWindowText, bucket.calls.invalidateRect);
}

int Run(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: PaintBench FIGURES_FILE [REPAINTS] [LOOK_CHANGES] "
                             "[TICK_SECONDS]\n");
        return 2;
    }
    const std::wstring figuresFile = ToWindowsPath(argv[1]);
    // Whole batches of repaints only.
    const long repaints =
        std::max(kRepaintBatches, argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 2000L) /
        kRepaintBatches * kRepaintBatches;
    const long lookChanges = argc > 3 ? std::wcstol(argv[3], nullptr, 10) : 10000;
    const double tickSeconds = argc > 4 ? std::wcstod(argv[4], nullptr) : 3.0;

    // As the program entry does.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    auto host = std::make_unique<win32::Win32Host>(GetModuleHandleW(nullptr));
    VorlaneState state;
    auto info = std::make_unique<ShowInfoModule>(host->Services());
    auto form = CreateApplication(*host, state, *info);
    EnumThreadWindows(GetCurrentThreadId(), FindMainWindow,
                      reinterpret_cast<LPARAM>(&g_mainWindow));
    if (g_mainWindow == nullptr) {
        std::printf("  no main window\n");
        return 1;
    }
    ShowWindow(g_mainWindow, SW_SHOWNORMAL);
    UpdateWindow(g_mainWindow);
    // The start-up stages run and the countdown starts; then the clock of the countdown is
    // stopped, so that everything below happens only when this bench drives it.
    Pump(1500);
    form->tmrCountdown.SetEnabled(false);
    Pump(50);
    CountPaintsOf(g_mainWindow);
    EnumChildWindows(g_mainWindow, CountPaintsOfChild, 0);

    // The way GDI objects are counted, checked on one brush of our own.
    const GdiCount beforeBrush = GdiObjectsOf(GetCurrentProcess());
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const GdiCount withBrush = GdiObjectsOf(GetCurrentProcess());
    DeleteObject(brush);
    const GdiCount afterBrush = GdiObjectsOf(GetCurrentProcess());
    const bool countWorks = beforeBrush.objects >= 0 &&
                            withBrush.objects == beforeBrush.objects + 1 &&
                            afterBrush.objects == beforeBrush.objects;
    std::printf("  GDI objects counted by %s (GetGuiResources for this process: %lu); "
                "check with one brush: %ld -> %ld -> %ld, %s\n",
                beforeBrush.source, GuiGdiObjects(GetCurrentProcess()), beforeBrush.objects,
                withBrush.objects, afterBrush.objects, countWorks ? "counts" : "DOES NOT COUNT");
    std::printf("\n");

    // 1. Full repaints of the main window.
    std::printf("Full repaints (InvalidateRect of the whole window + UpdateWindow)\n");
    for (int i = 0; i < 50; ++i) {
        InvalidateRect(g_mainWindow, nullptr, FALSE);
        UpdateWindow(g_mainWindow);
    }
    PaintCounts before = g_paints;
    Measured repaint{"full_repaint_ms", "full repaint", "ms", {}, "", {}, "below=0.5"};
    double start = NowMs();
    for (long batch = 0; batch < kRepaintBatches; ++batch) {
        const double batchStart = NowMs();
        for (long i = 0; i < repaints / kRepaintBatches; ++i) {
            InvalidateRect(g_mainWindow, nullptr, FALSE);
            UpdateWindow(g_mainWindow);
        }
        repaint.vorlane.push_back((NowMs() - batchStart) /
                                  static_cast<double>(repaints / kRepaintBatches));
    }
    double elapsed = NowMs() - start;
    std::printf("  %ld repaints: %.1f us per full repaint (%.1f us inside WM_PAINT); "
                "WM_PAINT counted: %ld\n",
                repaints, elapsed * 1000.0 / repaints,
                (g_paints.mainMs - before.mainMs) * 1000.0 / repaints, g_paints.main - before.main);
    const long withFields = std::max(1L, repaints / 4);
    before = g_paints;
    start = NowMs();
    for (long i = 0; i < withFields; ++i) {
        RedrawWindow(g_mainWindow, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    elapsed = NowMs() - start;
    std::printf("  %ld repaints with every field (RedrawWindow, all children): %.1f us each; "
                "WM_PAINT counted: window %ld, fields %ld\n",
                withFields, elapsed * 1000.0 / withFields, g_paints.main - before.main,
                g_paints.fields - before.fields);
    std::printf("\n");

    // 2. Look changes through the model: the hover look of +5 shown and hidden.
    std::printf("Look changes (btnPlusFive.Hover shown/hidden through the model, messages "
                "pumped after each)\n");
    ImageButton& button = form->btnPlusFive;
    for (int i = 0; i < 2; ++i) { // the first show decodes the picture once
        button.Hover.Show();
        PumpPending();
        button.Hover.Hide();
        PumpPending();
    }
    const Snapshot beforeLooks = Take();
    before = g_paints;
    start = NowMs();
    for (long i = 0; i < lookChanges; ++i) {
        if (i % 2 == 0) {
            button.Hover.Show();
        } else {
            button.Hover.Hide();
        }
        PumpPending();
    }
    elapsed = NowMs() - start;
    const Snapshot afterLooks = Take();
    std::printf("  %ld look changes: %.1f us per look change; WM_PAINT counted: window %ld, "
                "fields %ld\n",
                lookChanges, elapsed * 1000.0 / lookChanges, g_paints.main - before.main,
                g_paints.fields - before.fields);
    std::printf("  %s\n", GrowthLine(beforeLooks, afterLooks).c_str());
    // GDI objects and windows grown between two snapshots, as two figures with the target zero.
    auto growth = [](const std::string& key, const std::string& over, const Snapshot& from,
                     const Snapshot& to) {
        return std::vector<Measured>{{"gdi_growth_" + key,
                                      "GDI objects grown over " + over,
                                      "objects",
                                      {static_cast<double>(to.gdi.objects - from.gdi.objects)},
                                      "",
                                      {},
                                      "zero"},
                                     {"window_growth_" + key,
                                      "windows grown over " + over,
                                      "windows",
                                      {static_cast<double>(to.windows - from.windows)},
                                      "",
                                      {},
                                      "zero"}};
    };
    const std::vector<Measured> looksGrowth =
        growth("looks", "the look changes", beforeLooks, afterLooks);
    std::printf("\n");

    // 3. Countdown ticks, called by hand as fast as they go; each is sorted by whether the
    // display text changed with it.
    const bool hooked =
        Count("shell32.dll", "Shell_NotifyIconW", &CountingNotifyIcon, g_notifyIcon) &&
        Count("user32.dll", "SetWindowTextW", &CountingSetWindowText, g_setWindowText) &&
        Count("user32.dll", "InvalidateRect", &CountingInvalidateRect, g_invalidateRect);
    std::printf("Countdown ticks (tmrCountdownTimer called by hand for %.1f s, messages pumped "
                "after each)\n",
                tickSeconds);
    if (!hooked) {
        std::printf("  could not count calls through the import table\n");
        return 1;
    }
    TickBucket same;
    TickBucket changed;
    const Snapshot beforeTicks = Take();
    const double end = NowMs() + tickSeconds * 1000.0;
    while (NowMs() < end || changed.ticks < 2) {
        if (NowMs() > end + 5000.0) {
            break;
        }
        const std::string text = DisplayText(*form);
        const std::string tip = form->TrayIcon.Hint();
        const PaintCounts paints = g_paints;
        const CallCounts calls = g_calls;
        const double tickStart = NowMs();
        form->tmrCountdownTimer(&form->tmrCountdown);
        const double handlerMs = NowMs() - tickStart;
        PumpPending();
        const bool unchanged = DisplayText(*form) == text && form->TrayIcon.Hint() == tip;
        Add(unchanged ? same : changed, handlerMs, paints, calls);
    }
    const Snapshot afterTicks = Take();
    PrintBucket("display text unchanged:", same);
    PrintBucket("display text changed (for contrast):", changed);
    std::printf("  remaining time now %s; %s\n", DisplayText(*form).c_str(),
                GrowthLine(beforeTicks, afterTicks).c_str());
    const std::vector<Measured> ticksGrowth = growth("ticks", "the ticks", beforeTicks, afterTicks);
    WriteFigures(figuresFile,
                 {repaint, looksGrowth[0], looksGrowth[1], ticksGrowth[0], ticksGrowth[1]});

    form.reset();
    info.reset();
    host.reset();
    CoUninitialize();
    return 0;
}

} // namespace
} // namespace vorlane::bench

int wmain(int argc, wchar_t** argv) {
    const int result = vorlane::bench::Run(argc, argv);
    std::fflush(stdout);
    return result;
}
