// Paint cost of the real main window, in this process: the window is created the way the
// program entry creates it (CreateApplication on a Win32Host), shown, and then driven by hand.
// Then the info dialog and the tray menu are opened and closed OPENINGS times each, the way
// the user opens and closes them, after one opening of each that fills the caches.
//
//   PaintBench.exe FIGURES_FILE [REPAINTS] [LOOK_CHANGES] [TICK_SECONDS] [OPENINGS]
//
// The cost of a full repaint (in five batches, for its spread) and the growth of GDI objects,
// USER objects and windows over the look changes, the ticks and the openings also go into
// FIGURES_FILE (see BenchSupport.h). Where GetGuiResources counts nothing (Wine), USER objects
// are counted as the windows of the process and the menus this exe made that are still alive.
//
// What it counts is observed, not assumed: the main window and every field are subclassed so
// that each WM_PAINT they receive is counted (and the main window's is timed); the calls this
// exe makes to Shell_NotifyIconW, SetWindowTextW, InvalidateRect and CreatePopupMenu go through
// counting entries patched into its import table (ImportPatch.h); an opening counts only when
// the dialog's or the menu's window was seen open and drawn, and closed again afterwards.
#include "BenchMain.h"
#include "BenchSupport.h"
#include "ImportPatch.h"

#include "app/AlarmSound.h"
#include "app/ButtonLooks.h"
#include "app/Countdown.h"
#include "app/TimeDisplay.h"
#include "app/Vorlane.h"
#include "info/ShowInfoSRC.h"
#include "platform/win32/NotifyIcon.h"
#include "platform/win32/Win32Host.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

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

// Menus made through this exe's import of CreatePopupMenu, for how many of them are still
// alive: the part of its USER objects that a tray menu makes.
using CreatePopupMenuFunction = HMENU(WINAPI*)();
CreatePopupMenuFunction g_createPopupMenu = nullptr;
std::vector<HMENU> g_menusMade;

HMENU WINAPI RecordingCreatePopupMenu() {
    HMENU menu = g_createPopupMenu();
    if (menu != nullptr) {
        g_menusMade.push_back(menu);
    }
    return menu;
}

// A destroyed menu's handle stops being a menu, also once its slot is reused (the handle
// carries a generation).
long LiveMenusMade() {
    return static_cast<long>(std::count_if(g_menusMade.begin(), g_menusMade.end(),
                                           [](HMENU menu) { return IsMenu(menu) != FALSE; }));
}

template <class Function>
bool Count(const char* dll, const char* name, Function replacement, Function& original) {
    original =
        reinterpret_cast<Function>(PatchImport(dll, name, reinterpret_cast<void*>(replacement)));
    return original != nullptr;
}

// ---- The message loop, by hand ----

win32::Win32Application* g_application = nullptr;
bool g_quit = false;

// Delivers everything waiting, paints included (they come when nothing else waits), each
// message as the program's own loop handles it (key preview included).
void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            g_quit = true;
            continue;
        }
        g_application->HandleMessage(message);
    }
}

void Pump(double milliseconds) {
    const double end = NowMs() + milliseconds;
    while (NowMs() < end) {
        PumpPending();
        Sleep(5);
    }
}

// Pumps until done() holds, at most for milliseconds; whether it came to hold.
template <class Condition> bool PumpUntil(Condition done, double milliseconds) {
    const double end = NowMs() + milliseconds;
    for (;;) {
        PumpPending();
        if (done()) {
            return true;
        }
        if (NowMs() > end) {
            return false;
        }
        Sleep(1);
    }
}

// The visible top-level window of this thread with class className that is not in skip.
HWND VisibleWindowOf(const wchar_t* className, const std::vector<HWND>& skip = {}) {
    for (HWND window : ThreadWindowsOfClass(className)) {
        if (IsWindowVisible(window) && std::find(skip.begin(), skip.end(), window) == skip.end()) {
            return window;
        }
    }
    return nullptr;
}

std::vector<HWND> VisibleWindowsOf(const wchar_t* className) {
    std::vector<HWND> visible;
    for (HWND window : ThreadWindowsOfClass(className)) {
        if (IsWindowVisible(window)) {
            visible.push_back(window);
        }
    }
    return visible;
}

// ---- What a process holds ----

struct Snapshot {
    GdiCount gdi;
    Memory memory;
    long windows = 0;
    long userObjects = -1; // GetGuiResources; -1 where it answers 0 (Wine)
    long menus = 0;        // menus this exe made that are still alive
};

Snapshot Take() {
    const DWORD user = GuiUserObjects(GetCurrentProcess());
    return {GdiObjectsOf(GetCurrentProcess()), MemoryOf(GetCurrentProcess()),
            WindowsOf(GetCurrentProcessId()), user != 0 ? static_cast<long>(user) : -1L,
            LiveMenusMade()};
}

// USER objects: the window system's count where it gives one, else the windows and the menus
// this exe made, which is what a display update, a dialog or a menu would leave behind.
long UserObjects(const Snapshot& snapshot) {
    return snapshot.userObjects >= 0 ? snapshot.userObjects : snapshot.windows + snapshot.menus;
}

const char* UserObjectsSource(const Snapshot& snapshot) {
    return snapshot.userObjects >= 0 ? "GetGuiResources" : "windows + live menus";
}

std::string GrowthLine(const Snapshot& before, const Snapshot& after) {
    char text[400];
    std::snprintf(text, sizeof(text),
                  "GDI objects %ld -> %ld, USER objects %ld -> %ld (%s), windows %ld -> %ld, "
                  "menus %ld -> %ld, private bytes %.0f -> %.0f KiB (%s), committed private "
                  "%.0f -> %.0f KiB",
                  before.gdi.objects, after.gdi.objects, UserObjects(before), UserObjects(after),
                  UserObjectsSource(after), before.windows, after.windows, before.menus,
                  after.menus, static_cast<double>(before.memory.privateBytes) / 1024.0,
                  static_cast<double>(after.memory.privateBytes) / 1024.0,
                  after.memory.privateSource,
                  static_cast<double>(before.memory.committedPrivate) / 1024.0,
                  static_cast<double>(after.memory.committedPrivate) / 1024.0);
    return text;
}

// GDI objects, USER objects and windows grown between two snapshots, as figures with the
// target zero; without values when nothing was measured.
std::vector<Measured> GrowthFigures(const std::string& key, const std::string& over,
                                    const Snapshot& from, const Snapshot& to,
                                    bool measured = true) {
    auto figure = [&](const std::string& what, const std::string& label, const char* unit,
                      long grown) {
        return Measured{what + "_growth_" + key,
                        label + " grown over " + over,
                        unit,
                        measured ? std::vector<double>{static_cast<double>(grown)}
                                 : std::vector<double>{},
                        "",
                        {},
                        "zero"};
    };
    return {figure("gdi", "GDI objects", "objects", to.gdi.objects - from.gdi.objects),
            figure("user", "USER objects", to.userObjects >= 0 ? "objects" : "windows+menus",
                   UserObjects(to) - UserObjects(from)),
            figure("window", "windows", "windows", to.windows - from.windows)};
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

// ---- Openings of the info dialog and the tray menu, as the user makes them ----

// How long one step of an opening may take before it counts as not seen.
constexpr double kStepWaitMs = 3000;
constexpr wchar_t kInfoDialogClass[] = L"TShowInfoDialog";
constexpr wchar_t kMenuClass[] = L"#32768"; // the window system's popup menu window

struct Openings {
    long made = 0;       // openings asked for
    long seen = 0;       // the window opened and was drawn
    long closed = 0;     // and was gone again afterwards
    long newWindows = 0; // dialogs: a window no earlier opening showed
    int items = -1;      // menus: entries of the latest menu seen
};

// A key pressed and released, posted to window as the keyboard driver posts it to the window
// with the focus; which window of a form gets it does not matter, the loop previews the keys
// of the whole form.
void PressKey(HWND window, UINT key) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(window, WM_KEYDOWN, key, scan | 1);
    PostMessageW(window, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
}

// F1 on the main window opens a dialog; once it is drawn, Escape to it closes it.
void OpenAndCloseInfoDialog(Openings& openings, std::vector<HWND>& dialogsSeen) {
    ++openings.made;
    const std::vector<HWND> openBefore = VisibleWindowsOf(kInfoDialogClass);
    PressKey(g_mainWindow, VK_F1);
    HWND dialog = nullptr;
    const bool drawn = PumpUntil(
        [&] {
            dialog = VisibleWindowOf(kInfoDialogClass, openBefore);
            return dialog != nullptr && GetUpdateRect(dialog, nullptr, FALSE) == FALSE;
        },
        kStepWaitMs);
    if (!drawn) {
        return;
    }
    ++openings.seen;
    if (std::find(dialogsSeen.begin(), dialogsSeen.end(), dialog) == dialogsSeen.end()) {
        dialogsSeen.push_back(dialog);
        ++openings.newWindows;
    }
    PressKey(dialog, VK_ESCAPE);
    if (PumpUntil([dialog] { return IsWindowVisible(dialog) == FALSE; }, kStepWaitMs)) {
        ++openings.closed;
    }
}

// One opening of the tray menu, as seen from inside its modal loop.
struct MenuRound {
    double giveUpAt = 0;
    bool seen = false;
    int items = -1;
    bool over = false;
};

MenuRound g_menuRound;

// Runs on a timer inside the menu's modal loop: once the menu is open and drawn it is closed,
// as a click elsewhere closes it; a menu that does not open in time is given up.
void CALLBACK CloseMenuOnceDrawn(HWND /*unused*/, UINT /*unused*/, UINT_PTR timer,
                                 DWORD /*unused*/) {
    HWND menu = VisibleWindowOf(kMenuClass);
    const bool drawn = menu != nullptr && GetUpdateRect(menu, nullptr, FALSE) == FALSE;
    if (!drawn && NowMs() < g_menuRound.giveUpAt) {
        return;
    }
    if (drawn) {
        g_menuRound.seen = true;
        g_menuRound.items =
            GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)));
    }
    KillTimer(nullptr, timer);
    EndMenu();
    g_menuRound.over = true;
}

// A right click on the tray icon: the shell sends the icon's callback message with the event
// in the low word of lParam and the pointer's place in wParam (version 4 of the protocol).
void OpenAndCloseTrayMenu(Openings& openings) {
    ++openings.made;
    g_menuRound = MenuRound{NowMs() + kStepWaitMs, false, -1, false};
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseMenuOnceDrawn);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const auto pointer = static_cast<WPARAM>(static_cast<DWORD>(work.right - 1) & 0xFFFFU) |
                         (static_cast<WPARAM>(static_cast<DWORD>(work.bottom - 1) & 0xFFFFU) << 16);
    PostMessageW(g_mainWindow, win32::NotifyIcon::kCallbackMessage, pointer,
                 WM_CONTEXTMENU | (LPARAM{1} << 16));
    PumpUntil([] { return g_menuRound.over; }, 2 * kStepWaitMs);
    KillTimer(nullptr, timer);
    if (g_menuRound.seen) {
        ++openings.seen;
        openings.items = g_menuRound.items;
        if (VisibleWindowOf(kMenuClass) == nullptr) {
            ++openings.closed;
        }
    }
}

// Opens and closes with open once to fill the caches, then rounds times between two snapshots;
// prints what was seen and returns the growth figures.
template <class Open>
std::vector<Measured> GrowthOverOpenings(const std::string& key, const std::string& what,
                                         long rounds, Open open) {
    Openings warmUp;
    open(warmUp);
    const Snapshot before = Take();
    Openings openings;
    // Private bytes after the first few openings, so that a one-off step on first uses is told
    // apart from growth with every opening.
    constexpr long kFirstOpenings = 10;
    Snapshot afterFirst = before;
    for (long i = 0; i < rounds; ++i) {
        open(openings);
        if (i + 1 == kFirstOpenings) {
            afterFirst = Take();
        }
    }
    const Snapshot after = Take();
    std::printf("  openings seen: %ld of %ld (warm-up: %ld of 1), closed again: %ld%s\n",
                openings.seen, openings.made, warmUp.seen, openings.closed,
                openings.seen == openings.made && openings.closed == openings.seen
                    ? ""
                    : "  -- NOT EVERY OPENING SEEN AND CLOSED");
    if (openings.newWindows > 0) {
        std::printf("  new dialog windows: %ld\n", openings.newWindows);
    }
    if (openings.items >= 0) {
        std::printf("  entries of the menu: %d\n", openings.items);
    }
    std::printf("  %s\n", GrowthLine(before, after).c_str());
    if (rounds > kFirstOpenings) {
        const auto kib = [](const Snapshot& snapshot) {
            return static_cast<double>(snapshot.memory.privateBytes) / 1024.0;
        };
        std::printf("  private bytes over the first %ld openings: %+.0f KiB; over the other %ld: "
                    "%+.0f KiB, %.2f KiB per opening\n",
                    kFirstOpenings, kib(afterFirst) - kib(before), rounds - kFirstOpenings,
                    kib(after) - kib(afterFirst),
                    (kib(after) - kib(afterFirst)) / static_cast<double>(rounds - kFirstOpenings));
    }
    return GrowthFigures(key, std::to_string(openings.seen) + " openings of the " + what, before,
                         after, openings.seen > 0);
}

} // namespace

int Run(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: PaintBench FIGURES_FILE [REPAINTS] [LOOK_CHANGES] "
                             "[TICK_SECONDS] [OPENINGS]\n");
        return 2;
    }
    const std::wstring figuresFile = ToWindowsPath(argv[1]);
    // Whole batches of repaints only.
    const long repaints =
        std::max(kRepaintBatches, argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 2000L) /
        kRepaintBatches * kRepaintBatches;
    const long lookChanges = argc > 3 ? std::wcstol(argv[3], nullptr, 10) : 10000;
    const double tickSeconds = argc > 4 ? std::wcstod(argv[4], nullptr) : 3.0;
    const long openings = argc > 5 ? std::wcstol(argv[5], nullptr, 10) : 100;

    // As the program entry does.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    auto host = std::make_unique<win32::Win32Host>(GetModuleHandleW(nullptr));
    g_application = &host->App();
    auto info = std::make_unique<ShowInfoModule>(host->Services());
    auto form = CreateApplication(*host, *info);
    const std::vector<HWND> mainWindows = ThreadWindowsOfClass(L"TFormVorlane");
    if (mainWindows.empty()) {
        std::printf("  no main window\n");
        return 1;
    }
    g_mainWindow = mainWindows.front();
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
    const std::vector<Measured> looksGrowth =
        GrowthFigures("looks", "the look changes", beforeLooks, afterLooks);
    std::printf("\n");

    // 3. Countdown ticks, called by hand as fast as they go; each is sorted by whether the
    // display text changed with it.
    const bool hooked =
        Count("shell32.dll", "Shell_NotifyIconW", &CountingNotifyIcon, g_notifyIcon) &&
        Count("user32.dll", "SetWindowTextW", &CountingSetWindowText, g_setWindowText) &&
        Count("user32.dll", "InvalidateRect", &CountingInvalidateRect, g_invalidateRect) &&
        Count("user32.dll", "CreatePopupMenu", &RecordingCreatePopupMenu, g_createPopupMenu);
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
        form->countdown().tmrCountdownTimer(&form->tmrCountdown);
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
    const std::vector<Measured> ticksGrowth =
        GrowthFigures("ticks", "the ticks", beforeTicks, afterTicks);
    std::printf("\n");

    // 4. The info dialog and the tray menu opened and closed as the user does it.
    const Snapshot beforeMenu = Take();
    HMENU menu = CreatePopupMenu(); // through the import, as the program makes its menus
    const Snapshot withMenu = Take();
    DestroyMenu(menu);
    const Snapshot afterMenu = Take();
    std::printf("USER objects counted by %s (GetGuiResources for this process: %lu); check with "
                "one menu: %ld -> %ld -> %ld, %s\n",
                UserObjectsSource(beforeMenu), GuiUserObjects(GetCurrentProcess()),
                UserObjects(beforeMenu), UserObjects(withMenu), UserObjects(afterMenu),
                UserObjects(withMenu) == UserObjects(beforeMenu) + 1 &&
                        UserObjects(afterMenu) == UserObjects(beforeMenu)
                    ? "counts"
                    : "DOES NOT COUNT");
    std::printf("\n");
    std::printf("Info dialog opened %ld times (F1 posted to the main window; Escape posted to the "
                "dialog once it is drawn)\n",
                openings);
    std::vector<HWND> dialogsSeen;
    const std::vector<Measured> infoGrowth =
        GrowthOverOpenings("info", "info dialog", openings, [&](Openings& counted) {
            OpenAndCloseInfoDialog(counted, dialogsSeen);
        });
    std::printf("  info dialog windows of the process now: %zu\n",
                ThreadWindowsOfClass(kInfoDialogClass).size());
    std::printf("\n");
    std::printf("Tray menu opened %ld times (the tray icon's right-click message posted to the "
                "main window; closed with EndMenu once drawn)\n",
                openings);
    const std::vector<Measured> menuGrowth =
        GrowthOverOpenings("menu", "tray menu", openings, OpenAndCloseTrayMenu);

    std::vector<Measured> figures{repaint};
    for (const auto* growth : {&looksGrowth, &ticksGrowth, &infoGrowth, &menuGrowth}) {
        figures.insert(figures.end(), growth->begin(), growth->end());
    }
    WriteFigures(figuresFile, figures);

    form.reset();
    info.reset();
    host.reset();
    CoUninitialize();
    return 0;
}

} // namespace vorlane::bench
