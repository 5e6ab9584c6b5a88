// The tray icon and its menu, hiding the window to the tray and bringing it back, moving the
// window by its background, and the info and web-page commands.
#include "app/VorlaneSRC.h"
#include "core/Snap.h"

#include "VorlaneVersion.h"

namespace vorlane {

namespace {
// The sibling product's German site; the slashes after the scheme are stored as backslashes.
constexpr char kArdewayGermanPage[] = "https:\\\\www.ardeway-de.example";
} // namespace

void TFormVorlane::MinimizeToTray() {
    FocusControl(mplMediaPlayer);
    App().Minimize();
    Window().Hide();
}

void TFormVorlane::mnuMinimizeClick(TComponent* /*sender*/) {
    // At zero the alarm may be running: the window stays where the user can see it.
    if (s_.RemainingSeconds > 0) {
        MinimizeToTray();
    }
    btnMinimize.Active.Hide();
    btnMinimize.Hover.Hide();
}

void TFormVorlane::TrayIconClick(TComponent* /*sender*/) {
    App().Restore();
    App().HideOwnerWindow();
    Window().BringToForeground();
}

void TFormVorlane::mnuRestoreClick(TComponent* sender) {
    TrayIconClick(sender);
}

void TFormVorlane::pmnPopupSymbolPopup(TComponent* /*sender*/) {
    const bool inTray = App().Minimized();
    mnuRestore->Visible = inTray;
    mnuMinimize->Visible = !inTray;
}

void TFormVorlane::ApplicationEventsOnRestore(TComponent* /*sender*/) {
    App().HideOwnerWindow();
}

void TFormVorlane::FormMouseDown(TComponent* /*sender*/, MouseButton /*button*/, ShiftState shift,
                                 int /*x*/, int /*y*/) {
    if (shift.left) {
        DragMove();
        // Also a press that did not move the window: its place is written at exit.
        s_.SettingsChanged = true;
    } else if (shift.right) {
        if (const std::optional<Point> at = App().PointerPosition()) {
            pmnPopupSymbol.Popup(at->x, at->y);
        }
    }
    FocusControl(mplMediaPlayer);
}

void TFormVorlane::FormMoving(TComponent* /*sender*/, Rect& proposed) {
    // The monitor the window is being moved onto: each has its own work area.
    const Rect area = services_.screen.WorkAreaOf(proposed);
    const ScreenRect snapped = SnapToWorkArea(
        ScreenRect{proposed.left, proposed.top, proposed.width, proposed.height},
        ScreenRect{area.left, area.top, area.width, area.height}, Scaled(kSnapDistance));
    proposed = Rect{snapped.left, snapped.top, snapped.width, snapped.height};
}

void TFormVorlane::mnuInfoClick(TComponent* /*sender*/) {
    info_.ShowInfo("DEUTSCH", VORLANE_VERSION_SHOWN);
}

void TFormVorlane::btnHelpNormalClick(TComponent* sender) {
    mnuInfoClick(sender);
}

void TFormVorlane::mnuVisitArdewayClick(TComponent* /*sender*/) {
    // Nothing to tell the user when the shell cannot open the page.
    services_.shell.Open(kArdewayGermanPage, "");
}

} // namespace vorlane
