#pragma once
#include "platform/TrayIcon.h"

#include <windows.h>

#include <shellapi.h>

namespace vorlane::win32 {

// The program's icon in the notification area, speaking the shell's version 4 protocol: its
// callbacks come to the given window, which hands them to Callback.
class TrayIcon : public TrayIconPeer {
public:
    static constexpr UINT kCallbackMessage = WM_APP + 1;

    TrayIcon(HWND window, HINSTANCE instance, TTrayIcon& icon);
    ~TrayIcon() override;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Changed(TTrayIcon& icon) override;
    void Callback(WPARAM wParam, LPARAM lParam);
    // The taskbar was made anew (explorer restarted): the icon must be added again.
    void TaskbarCreated();
    // Takes the icon away; it comes back with the next change.
    void Remove();

private:
    void Add();
    NOTIFYICONDATAW Data(UINT flags) const;

    HWND window_;
    HINSTANCE instance_;
    TTrayIcon& icon_;
    bool added_ = false;
};

} // namespace vorlane::win32
