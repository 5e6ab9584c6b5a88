// End-to-end tests of the tray icon while the shell comes and goes: the taskbar made anew (the
// shell restarted, with or without the icons it had), and a shell that refuses icons for a
// while after the program starts, as at logon.
#include "ProgramTest.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <ostream>
#include <string>
#include <thread>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

// The program's icon, as it tells the shell of it: its main window and this id.
constexpr UINT kIconId = 1;

HWND WaitForTrayIcon(milliseconds timeout) {
    HWND icon = nullptr;
    WaitUntil(
        [&] {
            icon = FindTrayIcon();
            return icon != nullptr;
        },
        timeout);
    return icon;
}

// What a shell broadcasts when its taskbar is made: every program adds its icon again. Sent
// (not posted), so each window has handled it when this returns.
void BroadcastTaskbarCreated() {
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0,
                        SMTO_ABORTIFHUNG, 2000, nullptr);
}

std::wstring DisplayedTime(HWND main) {
    return FieldText(main, kIdTimeMinutes).value_or(L"?") + L":" +
           FieldText(main, kIdTimeSeconds).value_or(L"?");
}

// With the pointer resting on the icon, the tip the shell shows is the time the window shows,
// at once and still two seconds later (the display may tick between two readings: the tip
// must show one of them).
void ExpectTheTipFollowsTheDisplay(HWND main, HWND icon, const std::string& screenshot) {
    DWORD trayPid = 0;
    GetWindowThreadProcessId(icon, &trayPid);
    HWND tip = RestOnTrayIcon(icon, milliseconds(1500));
    ASSERT_NE(tip, nullptr) << "the tip shows while the pointer rests on the icon";
    const auto expectTipShowsTheTime = [&](const char* when) {
        const std::wstring before = DisplayedTime(main);
        const std::wstring shown = TooltipText(tip).value_or(L"?");
        const std::wstring after = DisplayedTime(main);
        EXPECT_TRUE(shown == before || shown == after)
            << when << ": tip " << Narrow(shown) << ", window " << Narrow(after);
    };
    expectTipShowsTheTime("when the pointer arrived");
    Sleep(2100);
    ASSERT_NE(FindVisibleTooltip(trayPid), nullptr) << "the tip stays while the pointer rests";
    expectTipShowsTheTime("two seconds later");
    SaveScreenshot(icon, screenshot, tip);
}

enum class IconAtRestart {
    Kept,   // the new taskbar still holds the program's icon
    Removed // the icon went with the old taskbar
};

const char* NameOf(IconAtRestart icon) {
    return icon == IconAtRestart::Kept ? "IconKept" : "IconRemoved";
}

void PrintTo(IconAtRestart icon, std::ostream* out) {
    *out << NameOf(icon);
}

class TaskbarCreatedTest : public ProgramTest,
                           public ::testing::WithParamInterface<IconAtRestart> {};

TEST_P(TaskbarCreatedTest, TheIconIsThereAfterwardsAndItsTipFollowsTheCountdown) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    ASSERT_NE(WaitForTrayIcon(milliseconds(3000)), nullptr) << "no icon in the notification area";
    if (GetParam() == IconAtRestart::Removed) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = main;
        data.uID = kIconId;
        ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
        ASSERT_TRUE(WaitUntil([] { return FindTrayIcon() == nullptr; }, milliseconds(2000)));
    }
    BroadcastTaskbarCreated();
    HWND icon = WaitForTrayIcon(milliseconds(3000));
    ASSERT_NE(icon, nullptr) << "the icon is in the notification area again";
    ExpectTheTipFollowsTheDisplay(main, icon,
                                  std::string("TaskbarCreatedTest.") + NameOf(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(IconAtRestart, TaskbarCreatedTest,
                         ::testing::Values(IconAtRestart::Kept, IconAtRestart::Removed),
                         [](const ::testing::TestParamInfo<IconAtRestart>& param) {
                             return std::string(NameOf(param.param));
                         });

// A shell that is not ready for icons yet: a window of the taskbar's class, found before the
// real one, which refuses every request (Shell_NotifyIcon finds the taskbar by that class and
// hands it each request as WM_COPYDATA). It runs on a thread of its own, so the program's
// requests are answered at once while the test waits. Closing it leaves the real taskbar.
class RefusingShell {
public:
    RefusingShell() {
        thread_ = std::thread([this] { Run(); });
        WaitUntil([this] { return window_.load() != nullptr; }, milliseconds(2000));
    }
    ~RefusingShell() { Close(); }
    RefusingShell(const RefusingShell&) = delete;
    RefusingShell& operator=(const RefusingShell&) = delete;

    HWND Window() const { return window_; }
    int Refused() const { return refused_; }
    void Close() {
        if (thread_.joinable()) {
            PostMessageW(window_, WM_CLOSE, 0, 0);
            thread_.join();
        }
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<RefusingShell*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        switch (message) {
        case WM_COPYDATA:
            ++self->refused_;
            return FALSE;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    void Run() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"Shell_TrayWnd";
        RegisterClassW(&windowClass);
        HWND window =
            CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Shell_TrayWnd", nullptr, WS_POPUP,
                            0, 0, 0, 0, nullptr, nullptr, windowClass.hInstance, this);
        window_ = window;
        if (window == nullptr) {
            return;
        }
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            DispatchMessageW(&msg);
        }
        UnregisterClassW(L"Shell_TrayWnd", windowClass.hInstance);
    }

    std::thread thread_;
    std::atomic<HWND> window_{nullptr};
    std::atomic<int> refused_{0};
};

class ShellNotReadyTest : public ProgramTest {};

// At zero the tip stays 00:00, so no change of it asks the shell again: the icon must come
// by itself once the shell takes it.
TEST_F(ShellNotReadyTest, TheIconComesOnceTheShellTakesIcons) {
    auto shell = std::make_unique<RefusingShell>();
    ASSERT_NE(shell->Window(), nullptr);
    ASSERT_EQ(FindWindowExW(nullptr, nullptr, L"Shell_TrayWnd", nullptr), shell->Window())
        << "the refusing shell is the one the program finds";
    HWND main = Start(L"-t0");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return shell->Refused() > 0; }, milliseconds(3000)))
        << "the program asked for its icon";
    EXPECT_EQ(FindTrayIcon(), nullptr) << "the refused icon is not in the notification area";
    shell.reset();
    EXPECT_NE(WaitForTrayIcon(milliseconds(5000)), nullptr)
        << "the icon is in the notification area within 5 s of the shell taking icons";
}

} // namespace
} // namespace vorlane::e2e
