#pragma once
#include "platform/Component.h"
#include "platform/Control.h"

namespace vorlane {

class ShowInfoModule;
class TFormVorlane;

// The window and its tray icon: hiding to the tray and coming back, the tray menu, moving the
// window by its background with snapping, its round shape at each display scale, and the
// info and web-page commands.
class WindowAndTray {
public:
    WindowAndTray(TFormVorlane& form, ShowInfoModule& info);

    void MinimizeToTray();
    void mnuMinimizeClick(TComponent* sender);
    void TrayIconClick(TComponent* sender);
    // The notification at zero beside the tray icon: what ended and when. Windows keeps it in
    // its notification centre for whoever was away from the blinking window.
    void NotifyTimeIsUp(double endedAt);
    // Cuts the window to its round shape at the window's DPI.
    void ApplyWindowShape();
    // A window that lies on no monitor (its monitor went away, the screen shrank) comes into
    // the nearest monitor's work area, so the alarm and a click on the tray icon are seen.
    void KeepOnAMonitor();
    void mnuInfoClick(TComponent* sender);
    void btnHelpNormalClick(TComponent* sender);

private:
    void mnuRestoreClick(TComponent* sender);
    void pmnPopupSymbolPopup(TComponent* sender);
    void ApplicationEventsOnRestore(TComponent* sender);
    void FormMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x, int y);
    // Each step of a move of the window: snapping to the work area's edges.
    void FormMoving(TComponent* sender, Rect& proposed);
    // The window came to a monitor of another DPI: its round shape follows the new size.
    void FormDpiChanged(TComponent* sender);
    // Monitors came or went, or changed their size or work area.
    void FormDisplayChange(TComponent* sender);
    void mnuVisitArdewayClick(TComponent* sender);
    TFormVorlane& f_;
    ShowInfoModule& info_;
};

} // namespace vorlane
