// Hiding the window to the tray and bringing it back with a click on the tray icon.
#include "app/VorlaneSRC.h"

namespace vorlane {

void TFormVorlane::MinimizeToTray() {
    FocusControl(mplMediaPlayer);
    Windows().MinimizeApplication();
    Windows().HideMainWindow();
}

void TFormVorlane::TrayIconClick(TComponent* /*sender*/) {
    Windows().RestoreApplication();
    Windows().HideOwnerWindow();
    Windows().BringToForeground();
}

} // namespace vorlane
