// Operations whose full behaviour arrives with the settings file, the tray menu, the
// target-time selection and the info dialog. Each does its least for now
// and says so; start-up and the countdown already call them in their places.
#include "app/VorlaneSRC.h"

namespace vorlane {

// The settings folder is not looked up yet, so every start is a first run.
bool TFormVorlane::LocateConfigFolder() {
    return false;
}

// Reading the settings file comes with the settings work; nothing is read yet.
void TFormVorlane::loadMP3(const std::string& /*path*/) {}

// Writing the settings file comes with the settings work; nothing is written yet.
void TFormVorlane::saveMP3() {}

// The info dialog is not built yet: nothing is shown.
void TFormVorlane::mnuInfoClick(TComponent* /*sender*/) {}

// The target-time selection is not built yet (it is never open), so there is nothing
// to confirm.
void TFormVorlane::btnTimeSelectionOkayClick(TComponent* /*sender*/) {}

} // namespace vorlane
