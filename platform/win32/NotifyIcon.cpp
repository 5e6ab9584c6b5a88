#include "platform/win32/NotifyIcon.h"

#include "platform/win32/DebuggerTrace.h"
#include "platform/win32/Dpi.h"

#include "platform/Dispatch.h"
#include "platform/win32/Utf16.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace vorlane::win32 {

namespace {
constexpr UINT kIconId = 1;
// A refused icon is tried again after a second, then after twice as long each time, up to
// half a minute: a shell that takes long to start costs a few wake-ups only.
constexpr UINT kFirstRetryDelay = 1000;
constexpr UINT kLongestRetryDelay = 32000;
} // namespace

NotifyIcon::NotifyIcon(HWND window, HINSTANCE instance, TTrayIcon& icon)
    : window_(window), instance_(instance), icon_(icon) {
    icon_.AttachPeer(this);
}

NotifyIcon::~NotifyIcon() {
    icon_.AttachPeer(nullptr);
    Remove();
}

NOTIFYICONDATAW NotifyIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = flags;
    if ((flags & NIF_TIP) != 0) {
        lstrcpynW(data.szTip, Widen(icon_.Hint()).c_str(), ARRAYSIZE(data.szTip));
    }
    return data;
}

void NotifyIcon::Add() {
    NOTIFYICONDATAW data = Data(NIF_ICON | NIF_TIP | NIF_SHOWTIP | NIF_MESSAGE);
    data.uCallbackMessage = kCallbackMessage;
    UniqueIcon icon = SmallIcon();
    data.hIcon = icon.Get();
    // A taskbar made anew may still hold the icon: it refuses the add and takes the change.
    added_ =
        Shell_NotifyIconW(NIM_ADD, &data) != FALSE || Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    if (!added_) {
        TraceFailedCall("NotifyIcon::Add", "Shell_NotifyIconW(NIM_ADD, NIM_MODIFY)",
                        GetLastError());
        shownIcon_.Reset();
        RetryLater();
        return;
    }
    StopRetrying();
    Shown(std::move(icon));
    sentTip_ = data.szTip;
    pointerOnIcon_.reset();
    data.uVersion = NOTIFYICON_VERSION_4;
    if (Shell_NotifyIconW(NIM_SETVERSION, &data) == FALSE) {
        TraceFailedCall("NotifyIcon::Add", "Shell_NotifyIconW(NIM_SETVERSION)", GetLastError());
    }
    if (waitingNotification_) {
        const TrayNotification notification = std::move(*waitingNotification_);
        waitingNotification_.reset();
        SendNotification(notification);
    }
}

void NotifyIcon::RetryLater() {
    retryDelay_ =
        retryDelay_ == 0 ? kFirstRetryDelay : std::min(2 * retryDelay_, kLongestRetryDelay);
    if (SetTimer(window_, reinterpret_cast<UINT_PTR>(this), retryDelay_, &NotifyIcon::RetryTimer) ==
        0) {
        TraceFailedCall("NotifyIcon::RetryLater", "SetTimer", GetLastError());
    }
}

void NotifyIcon::StopRetrying() {
    if (retryDelay_ != 0) {
        KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
        retryDelay_ = 0;
    }
}

void CALLBACK NotifyIcon::RetryTimer(HWND /*window*/, UINT /*message*/, UINT_PTR id,
                                     DWORD /*time*/) {
    Dispatch([id] { reinterpret_cast<NotifyIcon*>(id)->Add(); });
}

// An icon of its own, not a shared one: a shared icon comes back at the size it was first
// loaded at (the window class's large icon), whatever size is asked.
UniqueIcon NotifyIcon::SmallIcon() const {
    const int size = SmallIconSize(WindowDpi(window_));
    HICON icon = nullptr;
    const HRESULT result =
        LoadIconWithScaleDown(instance_, MAKEINTRESOURCEW(icon_.Icon()), size, size, &icon);
    if (FAILED(result)) {
        TraceFailedCall("NotifyIcon::SmallIcon", "LoadIconWithScaleDown",
                        static_cast<DWORD>(result));
    }
    return UniqueIcon(icon);
}

void NotifyIcon::Shown(UniqueIcon icon) {
    // The shell has the new icon: the one it showed before is of no more use.
    shownIcon_ = std::move(icon);
    shownIconId_ = icon_.Icon();
}

void NotifyIcon::ReplaceIcon() {
    NOTIFYICONDATAW data = Data(NIF_ICON);
    UniqueIcon icon = SmallIcon();
    data.hIcon = icon.Get();
    if (Shell_NotifyIconW(NIM_MODIFY, &data) == FALSE) {
        // The shell still shows the icon it had.
        TraceFailedCall("NotifyIcon::ReplaceIcon", "Shell_NotifyIconW(NIM_MODIFY)", GetLastError());
        return;
    }
    Shown(std::move(icon));
}

void NotifyIcon::DpiChanged() {
    if (added_) {
        ReplaceIcon();
    }
}

void NotifyIcon::Remove() {
    StopRetrying();
    if (!added_) {
        return;
    }
    NOTIFYICONDATAW data = Data(0);
    if (Shell_NotifyIconW(NIM_DELETE, &data) == FALSE) {
        TraceFailedCall("NotifyIcon::Remove", "Shell_NotifyIconW(NIM_DELETE)", GetLastError());
    }
    added_ = false;
    pointerOnIcon_.reset();
    shownIcon_.Reset();
    shownIconId_ = 0;
}

void NotifyIcon::SendTipIfChanged() {
    NOTIFYICONDATAW data = Data(NIF_TIP | NIF_SHOWTIP);
    if (sentTip_ == data.szTip) {
        return;
    }
    if (Shell_NotifyIconW(NIM_MODIFY, &data) == FALSE) {
        // Sent again with the next change.
        TraceFailedCall("NotifyIcon::SendTipIfChanged", "Shell_NotifyIconW(NIM_MODIFY)",
                        GetLastError());
        return;
    }
    sentTip_ = data.szTip;
}

bool NotifyIcon::PointerRestsOnIcon() {
    POINT now{};
    if (pointerOnIcon_ && GetCursorPos(&now) && now.x == pointerOnIcon_->x &&
        now.y == pointerOnIcon_->y) {
        return true;
    }
    // Gone from the icon (a move over it would have been reported): the tip is
    // hidden.
    pointerOnIcon_.reset();
    return false;
}

void NotifyIcon::Changed(TTrayIcon& /*icon*/) {
    if (icon_.Icon() == 0) {
        return;
    }
    if (!added_) {
        // A refused icon waits for its retry: the tip it carries is read then.
        if (retryDelay_ == 0) {
            Add();
        }
        return;
    }
    if (icon_.Icon() != shownIconId_) {
        ReplaceIcon();
    }
    if (PointerRestsOnIcon()) {
        SendTipIfChanged();
    }
}

void NotifyIcon::ShowNotification(const TrayNotification& notification) {
    if (added_) {
        SendNotification(notification);
    } else {
        waitingNotification_ = notification;
    }
}

void NotifyIcon::SendNotification(const TrayNotification& notification) {
    NOTIFYICONDATAW data = Data(NIF_INFO);
    lstrcpynW(data.szInfoTitle, Widen(notification.title).c_str(), ARRAYSIZE(data.szInfoTitle));
    lstrcpynW(data.szInfo, Widen(notification.text).c_str(), ARRAYSIZE(data.szInfo));
    // The program's own icon beside the text, as the notification centre keeps it.
    data.dwInfoFlags = NIIF_USER;
    if (Shell_NotifyIconW(NIM_MODIFY, &data) == FALSE) {
        TraceFailedCall("NotifyIcon::SendNotification", "Shell_NotifyIconW(NIM_MODIFY, NIF_INFO)",
                        GetLastError());
    }
}

void NotifyIcon::TaskbarCreated() {
    added_ = false;
    // The new shell is there: no need to wait for a retry.
    StopRetrying();
    Changed(icon_);
}

void NotifyIcon::Callback(WPARAM wParam, LPARAM lParam) {
    // Version 4: the event in the low word, the pointer's screen position in
    // wParam.
    switch (LOWORD(lParam)) {
    case WM_MOUSEMOVE: {
        // Compared later with the pointer as it is then, so read the same way.
        POINT at{};
        if (GetCursorPos(&at)) {
            pointerOnIcon_ = at;
            SendTipIfChanged();
        }
        break;
    }
    case NIN_SELECT:
    case NIN_KEYSELECT:
        Dispatch([this] { icon_.Click(); });
        break;
    case NIN_BALLOONUSERCLICK:
        Dispatch([this] { icon_.NotificationClicked(); });
        break;
    case WM_CONTEXTMENU: {
        const int x = GET_X_LPARAM(wParam);
        const int y = GET_Y_LPARAM(wParam);
        Dispatch([this, x, y] { icon_.ContextMenu(x, y); });
        break;
    }
    default:
        break;
    }
}

} // namespace vorlane::win32
