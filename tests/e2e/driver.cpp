#include "driver.h"

#include "tests/support/ScreenGrabber.h"
#include "tests/support/TopLevelWindows.h"
#include "tests/support/WineHost.h"

#include <psapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <system_error>

namespace vorlane::e2e {

using testsupport::EnvW;
using testsupport::FindTopLevelWindow;
using testsupport::RunningUnderWine;
using testsupport::ToWindowsPath;
using testsupport::Visibility;

namespace {

const wchar_t* const kMainClass = L"TFormVorlane";

// A fresh start is a first start: the program keeps its settings in %APPDATA%\Vorlane. Only
// inside a Wine prefix (which the test session creates and throws away) is that folder
// removed; on a real Windows account it belongs to the user.
void RemoveSettingsFolder() {
    if (!RunningUnderWine())
        return;
    std::error_code ec;
    std::filesystem::remove_all(UserSettingsFile().parent_path(), ec);
}

void SendInputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT MouseInput(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

bool IsExactly(std::uint32_t px, int r, int g, int b) {
    return px == ((static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
                  static_cast<std::uint32_t>(b));
}

} // namespace

std::wstring VorlaneExePath() {
    return ToWindowsPath(EnvW(L"VORLANE_EXE"));
}

std::optional<std::filesystem::path> ScreenshotDir() {
    std::wstring dir = ToWindowsPath(EnvW(L"VORLANE_SCREENSHOTS"));
    if (dir.empty())
        return std::nullopt;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    // The folder holds this run's pictures only: remove those of an earlier run once.
    static bool cleared = false;
    if (!cleared) {
        cleared = true;
        for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
            const auto ext = entry.path().extension();
            if (ext == L".bmp" || ext == L".png")
                std::filesystem::remove(entry.path(), ec);
        }
    }
    return std::filesystem::path(dir);
}

std::filesystem::path UserSettingsFile() {
    wchar_t appData[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::filesystem::path(appData) / L"Vorlane" / L"Vorlane.ini";
}

VorlaneProcess::VorlaneProcess(const std::wstring& args, Settings settings) {
    const std::wstring exe = VorlaneExePath();
    if (exe.empty()) {
        startError_ = L"VORLANE_EXE is not set";
        return;
    }
    if (settings == Settings::Fresh)
        RemoveSettingsFolder();
    std::wstring cmdline = L"\"" + exe + L"\"";
    if (!args.empty())
        cmdline += L" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), cmdline.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi)) {
        startError_ =
            L"CreateProcessW(" + exe + L") failed with error " + std::to_wstring(GetLastError());
        return;
    }
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
}

VorlaneProcess::~VorlaneProcess() {
    End();
    if (process_ != nullptr)
        CloseHandle(process_);
}

HWND VorlaneProcess::WaitForMainWindow(milliseconds timeout, bool closeInfoDialog) {
    if (process_ == nullptr)
        return nullptr;
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindVisibleWindowOf(pid_, kMainClass);
            return found != nullptr || HasExited();
        },
        timeout);
    main_ = found;
    if (main_ != nullptr && closeInfoDialog) {
        DismissInfoDialog();
    }
    return main_;
}

void VorlaneProcess::DismissInfoDialog() {
    // A first start opens the info dialog about 300 ms after the window shows; the tests
    // close it, so none depends on which window has the focus by chance.
    HWND dialog = nullptr;
    if (!WaitUntil(
            [&] {
                dialog = FindVisibleWindowOf(pid_, L"TShowInfoDialog");
                return dialog != nullptr || HasExited();
            },
            milliseconds(2000)) ||
        dialog == nullptr) {
        return;
    }
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(dialog); }, milliseconds(2000));
}

bool VorlaneProcess::HasExited() const {
    return process_ == nullptr || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

bool VorlaneProcess::WaitForExit(milliseconds timeout) {
    return process_ == nullptr ||
           WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

void VorlaneProcess::End() {
    if (HasExited())
        return;
    if (main_ != nullptr && IsWindow(main_)) {
        PressKey(main_, VK_ESCAPE);
        if (WaitForExit(milliseconds(3000)))
            return;
    }
    TerminateProcess(process_, 1);
    WaitForExit(milliseconds(5000));
}

std::wstring ClassNameOf(HWND w) {
    wchar_t name[256] = {};
    GetClassNameW(w, name, 256);
    return name;
}

std::wstring CaptionOf(HWND w) {
    wchar_t text[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    return text;
}

std::optional<std::wstring> FieldText(HWND main, int id) {
    HWND field = GetDlgItem(main, id);
    if (field == nullptr)
        return std::nullopt;
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(field, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 2000, &copied))
        return std::nullopt;
    return std::wstring(text, std::min<size_t>(copied, 511));
}

std::string FieldUtf8(HWND main, int id) {
    return Narrow(FieldText(main, id).value_or(L"?"));
}

bool FieldShown(HWND main, int id) {
    HWND field = GetDlgItem(main, id);
    return field != nullptr && IsWindowVisible(field);
}

bool IsTopmost(HWND w) {
    return (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

HWND FocusedWindowOf(HWND w) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool BringToForeground(HWND w) {
    // Keys go to the foreground window's focus, and without a window manager nobody makes the
    // program's window the foreground one. Joining its input queue lets this process set both.
    const DWORD self = GetCurrentThreadId();
    const DWORD target = GetWindowThreadProcessId(w, nullptr);
    const bool attached = AttachThreadInput(self, target, TRUE) != FALSE;
    SetForegroundWindow(w);
    BringWindowToTop(w);
    HWND focus = GetFocus();
    if (focus != w && !IsChild(w, focus))
        SetFocus(w);
    if (attached)
        AttachThreadInput(self, target, FALSE);
    return WaitUntil([&] { return GetForegroundWindow() == w; }, milliseconds(1000));
}

void MovePointerTo(POINT screen) {
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN);
    INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    // Absolute coordinates run from 0 to 65535 across the primary screen; rounding up lands
    // on the intended pixel rather than the one before it.
    move.mi.dx = static_cast<LONG>((screen.x * 65536LL + sw - 1) / sw);
    move.mi.dy = static_cast<LONG>((screen.y * 65536LL + sh - 1) / sh);
    SendInputs({move});
    WaitUntil(
        [&] {
            POINT p{};
            GetCursorPos(&p);
            return p.x == screen.x && p.y == screen.y;
        },
        milliseconds(500));
}

void MovePointerOnto(HWND w, POINT client) {
    POINT before{client.x - 3, client.y - 3};
    POINT target = client;
    ClientToScreen(w, &before);
    ClientToScreen(w, &target);
    MovePointerTo(before);
    Sleep(30);
    MovePointerTo(target);
}

void PressLeftButton() {
    SendInputs({MouseInput(MOUSEEVENTF_LEFTDOWN)});
}

void ReleaseLeftButton() {
    SendInputs({MouseInput(MOUSEEVENTF_LEFTUP)});
}

void ClickAt(HWND w, POINT client) {
    POINT screen = client;
    ClientToScreen(w, &screen);
    BringToForeground(w);
    MovePointerTo(screen);
    // A user's pointer rests on a button before pressing it; the program shows its hover
    // picture on the move and its pressed picture on the press, as it would for a person.
    Sleep(100);
    SendInputs({MouseInput(MOUSEEVENTF_LEFTDOWN)});
    Sleep(50);
    SendInputs({MouseInput(MOUSEEVENTF_LEFTUP)});
}

void PressKey(HWND w, WORD vk) {
    RECT r{};
    GetWindowRect(w, &r);
    // Rest the pointer on the display area, away from every button, so nothing under the
    // pointer competes for the key.
    MovePointerTo(POINT{r.left + 85, r.top + 100});
    BringToForeground(w);
    SendInputs({KeyInput(vk, false)});
    Sleep(30);
    SendInputs({KeyInput(vk, true)});
}

void TypeKeys(const std::vector<WORD>& keys) {
    for (WORD vk : keys) {
        SendInputs({KeyInput(vk, false)});
        Sleep(30);
        SendInputs({KeyInput(vk, true)});
        Sleep(60);
    }
}

void ClickScreen(POINT screen, bool right) {
    MovePointerTo(screen);
    Sleep(50);
    SendInputs({MouseInput(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN)});
    Sleep(50);
    SendInputs({MouseInput(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)});
}

void DragPointer(POINT from, POINT to) {
    MovePointerTo(from);
    Sleep(50);
    PressLeftButton();
    Sleep(100);
    for (int step = 1; step <= 5; ++step) {
        MovePointerTo(
            POINT{from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5});
        Sleep(40);
    }
    ReleaseLeftButton();
    Sleep(300);
}

std::string BoxText(HWND box) {
    std::string text;
    for (HWND child = FindWindowExW(box, nullptr, L"Static", nullptr); child != nullptr;
         child = FindWindowExW(box, child, L"Static", nullptr)) {
        wchar_t part[512] = {};
        DWORD_PTR copied = 0;
        if (SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(part),
                                SMTO_ABORTIFHUNG, 2000, &copied) &&
            copied > 0) {
            text += Narrow(part) + " ";
        }
    }
    return text;
}

std::vector<DWORD> ChildProcessesOf(DWORD pid) {
    std::vector<DWORD> children;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return children;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == pid && entry.th32ProcessID != pid) {
            children.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return children;
}

std::vector<std::wstring> ModuleNamesOf(DWORD pid) {
    std::vector<std::wstring> names;
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) {
        return names;
    }
    std::vector<HMODULE> modules(1024);
    DWORD needed = 0;
    if (K32EnumProcessModulesEx(process, modules.data(),
                                static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed,
                                LIST_MODULES_ALL)) {
        modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
        for (HMODULE module : modules) {
            wchar_t name[MAX_PATH] = {};
            if (K32GetModuleBaseNameW(process, module, name, MAX_PATH) > 0) {
                std::wstring lower = name;
                std::transform(lower.begin(), lower.end(), lower.begin(),
                               [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
                names.push_back(lower);
            }
        }
    }
    CloseHandle(process);
    return names;
}

HWND FindVisibleWindowOf(DWORD pid, const wchar_t* windowClass) {
    return FindTopLevelWindow(pid, windowClass, Visibility::Shown);
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } all{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->pid) {
                search->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all.found;
}

HWND FindTrayIcon() {
    HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    return tray == nullptr ? nullptr
                           : FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr);
}

POINT CentreOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

Image CaptureScreen(const RECT& area) {
    Image img;
    img.pixels = testsupport::ScreenGrabber().Grab(area);
    if (img.pixels.empty())
        return {};
    img.width = area.right - area.left;
    img.height = area.bottom - area.top;
    return img;
}

Image CaptureWindowArea(HWND w, const RECT& client) {
    POINT topLeft{client.left, client.top};
    POINT bottomRight{client.right, client.bottom};
    ClientToScreen(w, &topLeft);
    ClientToScreen(w, &bottomRight);
    return CaptureScreen(RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
}

bool SaveBmp(const Image& img, const std::filesystem::path& file) {
    if (img.pixels.empty())
        return false;
    // 24-bit bottom-up rows: the plainest BMP, read alike by every viewer and converter.
    const int rowBytes = (img.width * 3 + 3) & ~3;
    const DWORD dataSize = static_cast<DWORD>(rowBytes * img.height);
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    fh.bfType = 0x4D42; // "BM"
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + dataSize;
    ih.biSize = sizeof ih;
    ih.biWidth = img.width;
    ih.biHeight = img.height;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biCompression = BI_RGB;
    ih.biSizeImage = dataSize;
    std::vector<unsigned char> data(dataSize, 0);
    for (int y = 0; y < img.height; ++y) {
        unsigned char* row = data.data() + static_cast<size_t>((img.height - 1 - y) * rowBytes);
        for (int x = 0; x < img.width; ++x) {
            const std::uint32_t px = img.At(x, y);
            row[x * 3 + 0] = static_cast<unsigned char>(px);
            row[x * 3 + 1] = static_cast<unsigned char>(px >> 8);
            row[x * 3 + 2] = static_cast<unsigned char>(px >> 16);
        }
    }
    FILE* f = _wfopen(file.c_str(), L"wb");
    if (f == nullptr)
        return false;
    bool ok = fwrite(&fh, sizeof fh, 1, f) == 1 && fwrite(&ih, sizeof ih, 1, f) == 1 &&
              fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = fclose(f) == 0 && ok;
    return ok;
}

void SaveScreenshot(HWND w, const std::string& name, HWND alsoShow) {
    const auto dir = ScreenshotDir();
    if (!dir)
        return;
    RECT r{};
    GetWindowRect(w, &r);
    RECT other{};
    if (alsoShow != nullptr && GetWindowRect(alsoShow, &other))
        UnionRect(&r, &r, &other);
    const int margin = 16;
    RECT area{std::max(0L, r.left - margin), std::max(0L, r.top - margin),
              std::min<LONG>(GetSystemMetrics(SM_CXSCREEN), r.right + margin),
              std::min<LONG>(GetSystemMetrics(SM_CYSCREEN), r.bottom + margin)};
    SaveBmp(CaptureScreen(area), *dir / (name + ".bmp"));
}

HWND FindVisibleTooltip(DWORD pid) {
    return FindVisibleWindowOf(pid, L"tooltips_class32");
}

HWND RestOnTrayIcon(HWND icon, std::chrono::milliseconds away) {
    DWORD trayPid = 0;
    GetWindowThreadProcessId(icon, &trayPid);
    MovePointerTo(POINT{900, 700});
    Sleep(static_cast<DWORD>(away.count()));
    MovePointerTo(CentreOf(icon));
    HWND tip = nullptr;
    WaitUntil(
        [&] {
            tip = FindVisibleTooltip(trayPid);
            return tip != nullptr;
        },
        std::chrono::milliseconds(3000));
    return tip;
}

std::optional<std::wstring> TooltipText(HWND tip) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(tip, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             2000, &copied))
        return std::nullopt;
    return std::wstring(text, std::min<size_t>(copied, 511));
}

const char* ToString(Look look) {
    switch (look) {
    case Look::Normal:
        return "normal";
    case Look::Alarm:
        return "alarm";
    case Look::Unknown:
        break;
    }
    return "unknown";
}

Look DisplayLook(HWND main) {
    // The three time fields in window coordinates (left, width); all 21 pixels high at top 47.
    struct Span {
        int left, width;
    };
    const Span fields[] = {{47, 34}, {82, 7}, {91, 24}};
    const int top = 47, height = 21;
    RECT r{};
    GetWindowRect(main, &r);
    const Image img =
        CaptureScreen(RECT{r.left + 47, r.top + top, r.left + 115, r.top + top + height});
    if (img.pixels.empty())
        return Look::Unknown;
    int total = 0, white = 0, black = 0, slate = 0;
    for (const Span& f : fields) {
        for (int y = 0; y < height; ++y) {
            for (int x = f.left - 47; x < f.left - 47 + f.width; ++x) {
                const std::uint32_t px = img.At(x, y);
                ++total;
                white += IsExactly(px, 255, 255, 255);
                black += IsExactly(px, 0, 0, 0);
                slate += IsExactly(px, 96, 115, 137);
            }
        }
    }
    // Background colour fills most of each field; the digits' colour must show too, so a
    // field painted in one flat colour (text invisible) counts as neither look.
    if (slate * 2 > total && white > 0 && black == 0)
        return Look::Alarm;
    if (white * 2 > total && black > 0 && slate == 0)
        return Look::Normal;
    return Look::Unknown;
}

} // namespace vorlane::e2e
