// The "Fehler" boxes.
#include "app/ErrorBoxes.h"
#include "platform/Services.h"

namespace vorlane {

void ErrorBoxes::ShowErrorMessageBox(const std::string& text, const std::string& caption) {
    boxes_.Show(text, caption, MessageIcon::Error, true);
}

} // namespace vorlane
