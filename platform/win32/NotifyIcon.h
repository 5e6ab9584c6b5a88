#pragma once
#include "platform/TrayIcon.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

namespace vorlane::win32 {

// The program's icon in the notification area, speaking the shell's version 4 protocol: its
// callbacks come to the given window, which hands them to Callback.
//
// The tip changes every second while the countdown runs, and each change sent wakes the
// shell. A tip is only seen while the pointer rests on the icon, and the shell reports every
// move of the pointer over the icon: so a new tip is sent when the pointer arrives (before
// the shell shows the tip) and then with each change while the pointer has not moved since.
class NotifyIcon : public TrayIconPeer {
public:
    static constexpr UINT kCallbackMessage = WM_APP + 1;

    NotifyIcon(HWND window, HINSTANCE instance, TTrayIcon& icon);
    ~NotifyIcon() override;
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;

    void Changed(TTrayIcon& icon) override;
    // Shown at once where the shell has the icon, else as soon as it takes it.
    void ShowNotification(const TrayNotification& notification) override;
    void Callback(WPARAM wParam, LPARAM lParam);
    // The taskbar was made anew (the shell restarted): the icon is added again, or changed
    // where the new taskbar still has it.
    void TaskbarCreated();
    // The window came to a monitor of another DPI: the icon of the small-icon size there.
    void DpiChanged();
    // Takes the icon away; it comes back with the next change.
    void Remove();
    // The icon the shell shows, held here until another replaces it or the icon is removed;
    // none while the shell shows none.
    HICON ShownIcon() const { return shownIcon_.Get(); }

private:
    // Adds the icon, or changes it where the shell has it already. When the shell takes
    // neither (it is not ready, as at logon), the retry timer tries again later.
    void Add();
    void RetryLater();
    void StopRetrying();
    // The retry timer's procedure: its id is the icon's address.
    static void CALLBACK RetryTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
    // Hands the shell the icon at the window's DPI, in place of the one it shows.
    void ReplaceIcon();
    // The model's icon at the small-icon size for the window's DPI; none (traced) when it
    // cannot be loaded.
    UniqueIcon SmallIcon() const;
    // Where the shell took the icon, it is the one shown from now on.
    void Shown(UniqueIcon icon);
    NOTIFYICONDATAW Data(UINT flags) const;
    // Tells the shell the model's tip if it has another one.
    void SendTipIfChanged();
    // True while the pointer is where the shell last reported it over the icon.
    bool PointerRestsOnIcon();
    void SendNotification(const TrayNotification& notification);

    HWND window_;
    HINSTANCE instance_;
    TTrayIcon& icon_;
    bool added_ = false;
    // The wait before the next try to add the icon; 0 while none is due.
    UINT retryDelay_ = 0;
    std::wstring sentTip_;
    std::optional<POINT> pointerOnIcon_;
    UniqueIcon shownIcon_;
    // The model's icon that shownIcon_ was loaded from.
    int shownIconId_ = 0;
    // A notification asked for while the shell did not have the icon yet.
    std::optional<TrayNotification> waitingNotification_;
};

} // namespace vorlane::win32
