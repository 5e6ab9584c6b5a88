// The tray icon's picture as the shell gets it: the program's icon at the small-icon size of
// the window's DPI, held by the peer while the shell shows it and let go once it is replaced
// or removed. Run at 96, 144 and 192 DPI (win32_dpi144, win32_dpi192).
#include "platform/win32/NotifyIcon.h"
#include "PatchedImport.h"
#include "assets/ResourceIds.h"
#include "platform/Dispatch.h"
#include "platform/TrayIcon.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Handles.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

struct IconSize {
    int width = 0;
    int height = 0;
};

// The size of the icon's picture; nothing for a handle that is not (or no longer) an icon.
std::optional<IconSize> SizeOf(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return std::nullopt;
    }
    const win32::UniqueGdiObject<HBITMAP> colour(info.hbmColor);
    const win32::UniqueGdiObject<HBITMAP> mask(info.hbmMask);
    BITMAP bitmap{};
    if (colour.Valid()) {
        GetObjectW(colour.Get(), sizeof(bitmap), &bitmap);
        return IconSize{bitmap.bmWidth, bitmap.bmHeight};
    }
    // A monochrome icon: its mask holds the AND and the XOR half one above the other.
    GetObjectW(mask.Get(), sizeof(bitmap), &bitmap);
    return IconSize{bitmap.bmWidth, bitmap.bmHeight / 2};
}

// What the program hands the shell, recorded on its way there.
using NotifyFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
NotifyFunction originalNotify = nullptr;
struct SentNotification {
    DWORD message;
    std::wstring title;
    std::wstring text;
    DWORD flags;
};
std::vector<SentNotification> sentNotifications;

BOOL WINAPI RecordingNotify(DWORD message, PNOTIFYICONDATAW data) {
    if ((data->uFlags & NIF_INFO) != 0) {
        sentNotifications.push_back({message, data->szInfoTitle, data->szInfo, data->dwInfoFlags});
    }
    return originalNotify(message, data);
}

class TrayIconPeer : public ::testing::Test {
protected:
    void SetUp() override {
        // Start-up has loaded the program's icon for the window class already, at the large
        // size: the tray's must not come back at that size.
        ASSERT_NE(LoadIconW(instance, MAKEINTRESOURCEW(VORLANE_ICON_APP)), nullptr);
        window.Reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     instance, nullptr));
        ASSERT_TRUE(window.Valid());
        peer = std::make_unique<win32::NotifyIcon>(window.Get(), instance, model);
    }
    void TearDown() override {
        peer.reset();
        window.Reset();
    }

    void ExpectSmallIconSize(HICON icon) {
        const int size = win32::SmallIconSize(win32::WindowDpi(window.Get()));
        const std::optional<IconSize> shown = SizeOf(icon);
        ASSERT_TRUE(shown.has_value()) << "no icon";
        EXPECT_EQ(shown->width, size) << "at " << win32::WindowDpi(window.Get()) << " DPI";
        EXPECT_EQ(shown->height, size) << "at " << win32::WindowDpi(window.Get()) << " DPI";
    }

    HINSTANCE instance = GetModuleHandleW(nullptr);
    win32::UniqueWindow window;
    TTrayIcon model{"TrayIcon"};
    std::unique_ptr<win32::NotifyIcon> peer;
};

TEST_F(TrayIconPeer, TheShellGetsTheIconAtTheSmallIconSizeOfTheWindowsDpi) {
    model.SetIcon(VORLANE_ICON_APP);
    ExpectSmallIconSize(peer->ShownIcon());
    // A window moved to another monitor asks again at the DPI there.
    peer->DpiChanged();
    ExpectSmallIconSize(peer->ShownIcon());
}

TEST_F(TrayIconPeer, EachIconIsLetGoWhenAnotherReplacesItOrTheTrayIconIsRemoved) {
    model.SetIcon(VORLANE_ICON_APP);
    const HICON first = peer->ShownIcon();
    ASSERT_TRUE(SizeOf(first).has_value());

    const struct {
        const char* name;
        std::function<void()> replace;
    } cases[] = {{"the DPI changes", [&] { peer->DpiChanged(); }},
                 {"the model's icon changes", [&] { model.SetIcon(VORLANE_ICON_INFO); }},
                 {"the model's icon changes back", [&] { model.SetIcon(VORLANE_ICON_APP); }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HICON before = peer->ShownIcon();
        c.replace();
        ASSERT_NE(peer->ShownIcon(), before);
        ExpectSmallIconSize(peer->ShownIcon());
        EXPECT_FALSE(SizeOf(before).has_value()) << "the replaced icon is still there";
    }

    const HICON last = peer->ShownIcon();
    peer->Remove();
    EXPECT_EQ(peer->ShownIcon(), nullptr);
    EXPECT_FALSE(SizeOf(last).has_value()) << "the removed icon is still there";
}

// A notification asked for before the shell has the icon waits for it, then goes with the
// program's own icon; the shell's report of a click on it reaches the model.
TEST_F(TrayIconPeer, ANotificationReachesTheShellOnceItHasTheIconAndItsClickComesBack) {
    sentNotifications.clear();
    const PatchedImport patch("shell32.dll", "Shell_NotifyIconW", &RecordingNotify, originalNotify);
    ASSERT_TRUE(patch.Active());
    model.ShowNotification({"Vorlane", "Tee ziehen lassen\nAbgelaufen um 14:01 Uhr."});
    EXPECT_TRUE(sentNotifications.empty()) << "sent before the shell has the icon";
    model.SetIcon(VORLANE_ICON_APP);
    ASSERT_EQ(sentNotifications.size(), 1u);
    EXPECT_EQ(sentNotifications[0].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(sentNotifications[0].title, L"Vorlane");
    EXPECT_EQ(sentNotifications[0].text, L"Tee ziehen lassen\nAbgelaufen um 14:01 Uhr.");
    EXPECT_EQ(sentNotifications[0].flags, static_cast<DWORD>(NIIF_USER));

    // Once the icon is there, a notification goes at once.
    model.ShowNotification({"Vorlane", "Die Zeit ist um."});
    ASSERT_EQ(sentNotifications.size(), 2u);
    EXPECT_EQ(sentNotifications[1].text, L"Die Zeit ist um.");

    int clicks = 0;
    model.OnNotificationClick = [&](TComponent*) { ++clicks; };
    peer->Callback(0, MAKELPARAM(NIN_BALLOONUSERCLICK, 1));
    EXPECT_EQ(clicks, 1);
    // The notification timing out on its own is no click.
    peer->Callback(0, MAKELPARAM(NIN_BALLOONTIMEOUT, 1));
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace vorlane::testing
