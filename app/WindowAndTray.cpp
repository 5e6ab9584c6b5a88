// The tray icon and its menu, hiding the window to the tray and bringing it back, moving the
// window by its background, and the info and web-page commands.
#include "app/WindowAndTray.h"
#include "app/Countdown.h"
#include "app/Reminder.h"
#include "app/RunningRecord.h"
#include "app/ScreenRects.h"
#include "app/SettingsStore.h"
#include "app/VorlaneSRC.h"
#include "core/AlarmNotice.h"
#include "core/ScreenCheck.h"
#include "core/Snap.h"
#include "core/WindowShape.h"
#include "info/ShowInfoSRC.h"
#include "info/ShowInfoTexts.h"

#include "VorlaneVersion.h"

namespace vorlane {

WindowAndTray::WindowAndTray(TFormVorlane& form, ShowInfoModule& info) : f_(form), info_(info) {
    f_.TrayIcon.OnClick = [this](TComponent* sender) { TrayIconClick(sender); };
    // A click on the notification at zero brings the window, as a click on the icon does.
    f_.TrayIcon.OnNotificationClick = [this](TComponent* sender) { TrayIconClick(sender); };
    f_.TrayIcon.PopupMenu = &f_.pmnPopupSymbol;
    f_.pmnPopupSymbol.OnPopup = [this](TComponent* sender) { pmnPopupSymbolPopup(sender); };
    f_.App().OnRestore = [this](TComponent* sender) { ApplicationEventsOnRestore(sender); };
    const TMouseDownEvent formMouseDown = [this](TComponent* sender, MouseButton button,
                                                 ShiftState shift, int x, int y) {
        FormMouseDown(sender, button, shift, x, y);
    };
    f_.OnMouseDown = formMouseDown;
    f_.imgForm.OnMouseDown = formMouseDown;
    f_.imgBackgroundBlink.OnMouseDown = formMouseDown;
    f_.OnMoving = [this](TComponent* sender, Rect& proposed) { FormMoving(sender, proposed); };
    f_.OnDpiChanged = [this](TComponent* sender) { FormDpiChanged(sender); };
    f_.OnDisplayChange = [this](TComponent* sender) { FormDisplayChange(sender); };
    f_.mnuMinimize->OnClick = [this](TComponent* sender) { mnuMinimizeClick(sender); };
    f_.mnuRestore->OnClick = [this](TComponent* sender) { mnuRestoreClick(sender); };
    f_.mnuInfo->OnClick = [this](TComponent* sender) { mnuInfoClick(sender); };
    f_.mnuVisitArdeway->OnClick = [this](TComponent* sender) { mnuVisitArdewayClick(sender); };
}

void WindowAndTray::MinimizeToTray() {
    f_.FocusControl(f_.mplMediaPlayer);
    f_.App().Minimize();
    f_.Window().Hide();
    f_.record().CountdownChanged();
}

void WindowAndTray::mnuMinimizeClick(TComponent* /*sender*/) {
    // At zero the alarm may be running: the window stays where the user can see it.
    if (f_.countdown().RemainingSeconds() > 0) {
        MinimizeToTray();
    }
    f_.btnMinimize.Active.Hide();
    f_.btnMinimize.Hover.Hide();
}

void WindowAndTray::TrayIconClick(TComponent* /*sender*/) {
    KeepOnAMonitor();
    f_.App().Restore();
    f_.App().HideOwnerWindow();
    f_.Window().BringToForeground();
    f_.record().CountdownChanged();
}

void WindowAndTray::NotifyTimeIsUp(double endedAt) {
    f_.TrayIcon.ShowNotification(
        {"Vorlane", AlarmNoticeText(f_.reminder().Text(), endedAt, f_.Services().clock.Now(),
                                    /*whileNotRunning=*/false)});
}

void WindowAndTray::mnuRestoreClick(TComponent* sender) {
    TrayIconClick(sender);
}

void WindowAndTray::pmnPopupSymbolPopup(TComponent* /*sender*/) {
    const bool inTray = f_.App().Minimized();
    f_.mnuRestore->Visible = inTray;
    f_.mnuMinimize->Visible = !inTray;
}

void WindowAndTray::ApplicationEventsOnRestore(TComponent* /*sender*/) {
    f_.App().HideOwnerWindow();
}

void WindowAndTray::FormMouseDown(TComponent* /*sender*/, MouseButton /*button*/, ShiftState shift,
                                  int /*x*/, int /*y*/) {
    if (shift.left) {
        f_.DragMove();
        // Also a press that did not move the window: its place is written at exit.
        f_.settings().WindowMayHaveMoved();
    } else if (shift.right) {
        if (const std::optional<Point> at = f_.App().PointerPosition()) {
            f_.pmnPopupSymbol.Popup(at->x, at->y);
        }
    }
    f_.FocusControl(f_.mplMediaPlayer);
}

void WindowAndTray::FormMoving(TComponent* /*sender*/, Rect& proposed) {
    // The monitor the window is being moved onto: each has its own work area.
    const Rect area = f_.Services().screen.WorkAreaOf(proposed);
    proposed = ToRect(
        SnapToWorkArea(ToScreenRect(proposed), ToScreenRect(area), f_.Scaled(kSnapDistance)));
}

void WindowAndTray::KeepOnAMonitor() {
    Screen& screen = f_.Services().screen;
    const Rect window{f_.Left(), f_.Top(), f_.Width(), f_.Height()};
    const ScreenPoint at = BringOntoAMonitor(
        ScreenPoint{window.left, window.top}, ScreenSize{window.width, window.height},
        ToScreenRects(screen.Monitors()), ToScreenRect(screen.WorkAreaOf(window)));
    if (at.left != window.left || at.top != window.top) {
        f_.SetPosition(at.left, at.top);
    }
}

void WindowAndTray::FormDisplayChange(TComponent* /*sender*/) {
    KeepOnAMonitor();
}

void WindowAndTray::ApplyWindowShape() {
    const Rect& design = f_.imgForm.DesignBounds();
    const WindowEllipse ellipse = EllipseAt(ScreenSize{design.width, design.height}, f_.Dpi());
    f_.Window().SetEllipticRegion(ellipse.left, ellipse.top, ellipse.right, ellipse.bottom);
}

void WindowAndTray::FormDpiChanged(TComponent* /*sender*/) {
    ApplyWindowShape();
}

void WindowAndTray::mnuInfoClick(TComponent* /*sender*/) {
    info_.ShowInfo("DEUTSCH", VORLANE_VERSION_SHOWN);
}

void WindowAndTray::btnHelpNormalClick(TComponent* sender) {
    mnuInfoClick(sender);
}

void WindowAndTray::mnuVisitArdewayClick(TComponent* /*sender*/) {
    // Nothing to tell the user when the shell cannot open the page.
    f_.Services().shell.Open(kArdewayPageGerman, "");
}

} // namespace vorlane
