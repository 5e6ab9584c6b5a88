// Hiding the window to the tray and bringing it back with a click on the tray icon.
#include "app/VorlaneSRC.h"

namespace vorlane {

void TFormVorlane::MinimizeToTray() {
    FocusControl(mplMediaPlayer);
    App().Minimize();
    Window().Hide();
}

void TFormVorlane::TrayIconClick(TComponent* /*sender*/) {
    App().Restore();
    App().HideOwnerWindow();
    Window().BringToForeground();
}

} // namespace vorlane
