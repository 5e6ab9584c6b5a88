#pragma once
// The end-to-end driver: starts the real Vorlane.exe, finds its window, gives it real input
// (SendInput, like a user) and looks at it only from outside the process (window manager
// state, child-window texts, screen pixels). Every wait is bounded so a hung program fails a
// test instead of blocking the run.
#include "platform/win32/Utf16.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vorlane::e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Where things are, from the environment that CTest sets (see CMakeLists.txt). Unix paths
// are turned into Windows ones, because the tests run under Wine.
std::wstring VorlaneExePath();                        // VORLANE_EXE; empty when unset
std::optional<std::filesystem::path> ScreenshotDir(); // VORLANE_SCREENSHOTS; created

// Polls pred every `step` until it holds or `timeout` has passed; returns the last result.
template <class Pred>
bool WaitUntil(Pred pred, milliseconds timeout, milliseconds step = milliseconds(10)) {
    const auto end = Clock::now() + timeout;
    for (;;) {
        if (pred())
            return true;
        if (Clock::now() >= end)
            return false;
        Sleep(static_cast<DWORD>(step.count()));
    }
}

// The settings file the program keeps for the user: %APPDATA%\Vorlane\Vorlane.ini.
std::filesystem::path UserSettingsFile();

// Whether a start finds the settings an earlier start left.
enum class Settings {
    Fresh, // the settings folder is removed first (only under Wine), so the start is a first one
    Kept   // what earlier starts wrote stays
};

// One started Vorlane.exe. The destructor makes sure it has ended: Escape first, then
// TerminateProcess, so that no test leaves a process behind for the next one.
class VorlaneProcess {
public:
    // Starts the program with `args` (the part of the command line after the program name).
    // Check Started() afterwards.
    explicit VorlaneProcess(const std::wstring& args, Settings settings = Settings::Fresh);
    ~VorlaneProcess();
    VorlaneProcess(const VorlaneProcess&) = delete;
    VorlaneProcess& operator=(const VorlaneProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    const std::wstring& StartError() const { return startError_; }
    DWORD Pid() const { return pid_; }

    // The visible top-level "TFormVorlane" window of this process, or nullptr after timeout.
    // The info dialog that a first start opens is closed before it returns, unless asked not to.
    HWND WaitForMainWindow(milliseconds timeout, bool closeInfoDialog = true);
    // Waits up to 2 s for the info dialog of a first start and closes it.
    void DismissInfoDialog();
    bool WaitForExit(milliseconds timeout);
    bool HasExited() const;
    // Ends the program the way a user would (Escape), or forcibly when that does not work.
    void End();

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    HWND main_ = nullptr;
    std::wstring startError_;
};

// Text of the program as UTF-8, for comparisons and test output.
using win32::Narrow;

// Window queries from outside the process.
std::wstring ClassNameOf(HWND w);
std::wstring CaptionOf(HWND w);
// Text of the child window with dialog ID `id`, through WM_GETTEXT with a timeout; nullopt
// when there is no such child or the program does not answer.
std::optional<std::wstring> FieldText(HWND main, int id);
// The same as UTF-8, "?" when it cannot be read: for comparisons and failure messages.
std::string FieldUtf8(HWND main, int id);
// Whether the child window with dialog ID `id` exists and is shown.
bool FieldShown(HWND main, int id);
bool IsTopmost(HWND w);
// The window that has the keyboard focus in w's thread (GetGUIThreadInfo), or nullptr.
HWND FocusedWindowOf(HWND w);

// Real input through SendInput. Before keys or clicks the window is made the foreground
// window and given the focus (without a window manager nothing else does that).
bool BringToForeground(HWND w);
void MovePointerTo(POINT screen);
// Moves the pointer onto `client` (window coordinates of w) in two steps, the first a few
// pixels before the target, so the window sees a move that ends inside what lies there.
void MovePointerOnto(HWND w, POINT client);
void ClickAt(HWND w, POINT client);
// The left mouse button alone, wherever the pointer is: a press that is released later, or
// somewhere else.
void PressLeftButton();
void ReleaseLeftButton();
void PressKey(HWND w, WORD vk);
// Keys typed to whatever has the keyboard now (an open menu, say), each pressed and released.
void TypeKeys(const std::vector<WORD>& keys);
// A click of the left or right button at a point of the screen.
void ClickScreen(POINT screen, bool right = false);
// A user's drag with the left button from one point of the screen to another, with several
// moves on the way.
void DragPointer(POINT from, POINT to);

// The first visible top-level window of class `windowClass` of process `pid`, or nullptr.
HWND FindVisibleWindowOf(DWORD pid, const wchar_t* windowClass);
// Every top-level window of process `pid`, shown or hidden, in the order the system lists them.
std::vector<HWND> TopLevelWindowsOf(DWORD pid);
// What a message box says: the texts of its static children, each followed by a blank.
std::string BoxText(HWND box);

// Processes seen from outside: the ids of the processes `pid` started that still run, and the
// file names (lower case, without folder) of the modules loaded in process `pid`.
std::vector<DWORD> ChildProcessesOf(DWORD pid);
std::vector<std::wstring> ModuleNamesOf(DWORD pid);

// The first icon in the notification area (Wine's stand-alone tray without a window manager),
// or nullptr.
HWND FindTrayIcon();
// The centre of a window on the screen.
POINT CentreOf(HWND w);

// Screen pixels, read with BitBlt from the screen DC: what the user sees, whichever process
// drew it.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, top-down rows
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
Image CaptureScreen(const RECT& area);
// The screen pixels of a rectangle given in window coordinates of w.
Image CaptureWindowArea(HWND w, const RECT& client);
bool SaveBmp(const Image& img, const std::filesystem::path& file);
// Saves the window with a margin around it (so its elliptic outline shows) as NAME.bmp in the
// screenshot folder, when there is one; the picture grows to take in `alsoShow` (a hint
// window, say) too, when one is given.
void SaveScreenshot(HWND w, const std::string& name, HWND alsoShow = nullptr);

// Hints: the visible tooltip window (class tooltips_class32) of process `pid`, or nullptr.
HWND FindVisibleTooltip(DWORD pid);
// The tray icon's tip as the user brings it up: the pointer elsewhere for `away`, then resting
// on the icon until the tray's tooltip window shows (3 s at most); nullptr when it does not.
HWND RestOnTrayIcon(HWND icon, std::chrono::milliseconds away);
// The text a tooltip window shows, read with WM_GETTEXT; nullopt when it does not answer.
std::optional<std::wstring> TooltipText(HWND tip);

// The look of the time display (the minutes, colon and seconds fields), from its pixels.
enum class Look { Normal, Alarm, Unknown };
const char* ToString(Look look);
Look DisplayLook(HWND main);

} // namespace vorlane::e2e
