// The "Fehler" boxes.
#include "app/ErrorBoxes.h"
#include "platform/Services.h"

namespace vorlane {

void ErrorBoxes::ShowErrorMessageBox(const std::string& text) {
    boxes_.Show(text, "Fehler", MessageIcon::Error, true);
}

} // namespace vorlane
